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

. scripts/apt-install.sh
install_missing setup "${packages[@]}" || true

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
