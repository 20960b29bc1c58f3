#!/usr/bin/env bash
# Builds the Debian package and checks it the way a new user meets it: installed with apt on a
# minimal Debian 12 made by debootstrap, where feldspan-cli --version, --help and doctor run and the
# desktop program is in place; the desktop entry, the AppStream file and the package itself are
# validated. Needs root (debootstrap, chroot), network for apt, and the tools of scripts/setup.sh.
# Not part of the test suite: it downloads packages and takes minutes the first time.
#
#   scripts/check-package.sh            (the chroot is kept under /var/tmp for quick reruns)
#   FELDSPAN_CHROOT_DIR=/elsewhere scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cache=${FELDSPAN_CHROOT_DIR:-/var/tmp/feldspan-chroot}
base=$cache/bookworm        # the minimal system as debootstrap made it, never changed
work=$cache/run             # a fresh copy of it for each run
archives=$cache/archives    # apt's downloads, kept between runs
step() { printf '\n== %s\n' "$*"; }
fail() { printf 'check-package: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap and chroot need it)"

step "build and package"
# The build's packages and the packaging tools (dpkg-dev, desktop-file-utils, appstream, lintian,
# debootstrap), then the build itself.
FELDSPAN_SETUP_PACKAGING=1 scripts/setup.sh
(cd build && rm -f feldspan_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/feldspan_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

step "contents"
unpacked=$(mktemp -d)
mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
  rm -rf "$unpacked"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
(cd "$unpacked" && find . -type f -o -type l | sort)

step "desktop-file-validate"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop && echo "no problems"

step "appstreamcli validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml

step "lintian"
lintian --fail-on error --info "$deb" || fail "lintian reports errors"
echo "lintian: no errors"

step "a minimal Debian 12"
if [ ! -x "$base/usr/bin/apt-get" ]; then
  mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  rm -rf "$base"
  mkdir -p "$cache"
  debootstrap --variant=minbase bookworm "$base" "${mirror:-http://deb.debian.org/debian}"
else
  echo "reusing $base"
fi
rm -rf "$work"
cp -a "$base" "$work"
mkdir -p "$archives/partial"
for m in proc sys dev dev/pts; do
  mount --bind "/$m" "$work/$m"
  mounted+=("$work/$m")
done
mount --bind "$archives" "$work/var/cache/apt/archives"
mounted+=("$work/var/cache/apt/archives")
cp /etc/resolv.conf "$work/etc/resolv.conf"
cp "$deb" "$work/tmp/"
in_chroot() { chroot "$work" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "apt install ./$(basename "$deb")"
in_chroot apt-get -qq update
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")" |
  tail -n 3

step "feldspan-cli --version"
in_chroot feldspan-cli --version
step "feldspan-cli --help"
in_chroot feldspan-cli --help
step "feldspan-cli doctor"
rc=0
in_chroot feldspan-cli doctor || rc=$?
echo "(exit $rc: 0 all well, 1 something to fix)"
[ "$rc" -le 1 ] || fail "doctor ended with $rc"

step "the desktop program"
in_chroot test -x /usr/bin/feldspan
in_chroot dpkg -L feldspan | grep -E '^/usr/(bin|share/applications|share/metainfo|share/icons|lib/udev|share/man)/.'
in_chroot env QT_QPA_PLATFORM=offscreen feldspan --version
if in_chroot sh -c 'ldd /usr/bin/feldspan /usr/bin/feldspan-cli /usr/bin/feldspan-pdtsim | grep "not found"'; then
  fail "a library is missing"
fi
echo "every library found"

step "all checks passed"
