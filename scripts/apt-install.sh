# Sourced by the set-up scripts: install_missing WHO PACKAGE... installs with apt-get (through sudo
# when not root) the packages that are not installed yet, and says so; returns 1 when nothing was
# missing, so a caller can time the part only when it ran.
install_missing() {
  local who="$1"; shift
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$p")
    fi
  done
  ((${#missing[@]})) || return 1
  echo "$who: installing ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "$who: these packages are missing and sudo is not available: ${missing[*]}" >&2
      echo "$who: install them as root (apt-get install ${missing[*]}) and run this again" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  "${apt[@]}" update
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
}
