#!/usr/bin/env bash
# Installs the Debian packages FeldSpan needs (only those missing) and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake git ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev qt6-serialport-dev
  libusb-1.0-0-dev libgtest-dev
  xvfb xauth fonts-wqy-microhei qt6-translations-l10n
  dfu-util srecord socat
)
# scripts/check-package.sh also makes and checks the Debian package.
if [ "${FELDSPAN_SETUP_PACKAGING:-0}" = 1 ]; then
  packages+=(dpkg-dev desktop-file-utils appstream lintian debootstrap)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "setup: these packages are missing and sudo is not available: ${missing[*]}" >&2
      echo "setup: install them as root (apt-get install ${missing[*]}) and run this again" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  "${apt[@]}" update
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
