#!/usr/bin/env bash
# Prepares this Debian machine to build FeldSpan for Windows and to test it under wine:
#   1. installs the cross compiler, wine and the setup-program maker with apt-get (only what is missing);
#   2. fetches Debian's qt6-base and libusb-1.0 source packages through a deb-src entry kept inside
#      the cache (the machine's apt sources are not touched);
#   3. builds, into the cache, libusb, GoogleTest (from /usr/src/googletest) and Qt's qtbase
#      (Core, Gui, Widgets, Test and the Windows platform plugin; 15 to 30 minutes on 2 cores);
#   4. makes a wine prefix in the cache for the tests.
# The cache is FELDSPAN_WIN_CACHE, by default ~/.cache/feldspan-windows. Each part is done once:
# running this again only redoes what is missing. The time of each part is printed and kept in
# the cache's setup-times.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cache="${FELDSPAN_WIN_CACHE:-$HOME/.cache/feldspan-windows}"
jobs="${FELDSPAN_JOBS:-$(nproc)}"
mkdir -p "$cache"
cache="$(cd "$cache" && pwd)"
toolchain="$here/cmake/mingw-w64-x86_64.cmake"
times="$cache/setup-times.txt"

part_start=0
part() { part_name="$1"; part_start=$(date +%s); echo "setup-windows: $part_name ..."; }
part_done() {
  local s=$(( $(date +%s) - part_start ))
  printf 'setup-windows: %s took %d min %02d s\n' "$part_name" $((s / 60)) $((s % 60))
  printf '%s\t%d\n' "$part_name" "$s" >>"$times"
}

# --- 1. packages (the host's Qt 6.4.2 serves as the host Qt of the cross build: its moc, rcc, uic
# and lrelease) --------------------------------------------------------------------------------
packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev mingw-w64-tools
  binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 nsis
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  cmake ninja-build make pkg-config dpkg-dev debian-archive-keyring xz-utils bzip2 perl python3
  librsvg2-bin xvfb xauth socat xdotool imagemagick
)
. "$here/scripts/apt-install.sh"
part "packages"
if install_missing setup-windows "${packages[@]}"; then part_done; fi

# --- 2. sources -----------------------------------------------------------------------------------
src="$cache/src"
apt_dir="$cache/apt"
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources.d"
          -o "Dir::State::Lists=$apt_dir/lists" -o Debug::NoLocking=1)
if [ ! -f "$src/.fetched" ]; then
  part "sources"
  mkdir -p "$apt_dir/sources.d" "$apt_dir/lists/partial" "$src"
  cat >"$apt_dir/sources.d/debian-src.sources" <<'EOS'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOS
  apt-get "${apt_opts[@]}" update
  (cd "$src" && apt-get "${apt_opts[@]}" source --download-only qt6-base libusb-1.0)
  touch "$src/.fetched"
  part_done
fi

unpack() { # unpack NAME GLOB: the upstream sources of a fetched package, without Debian's patches
  local dir="$src/$1"
  if [ ! -d "$dir" ]; then
    rm -rf "$src/.unpack" && mkdir -p "$src/.unpack"
    (cd "$src/.unpack" && dpkg-source --skip-patches -x "$src"/$2 >/dev/null)
    mv "$(find "$src/.unpack" -mindepth 1 -maxdepth 1 -type d)" "$dir" && rm -rf "$src/.unpack"
  fi
}

# --- 3a. libusb -----------------------------------------------------------------------------------
if [ ! -f "$cache/libusb/lib/libusb-1.0.a" ]; then
  part "libusb 1.0.26"
  unpack libusb 'libusb-1.0_1.0.26-*.dsc'
  rm -rf "$cache/build/libusb" && mkdir -p "$cache/build/libusb"
  (cd "$cache/build/libusb" &&
   "$src/libusb/configure" --host=x86_64-w64-mingw32 --prefix="$cache/libusb" \
     --enable-static --disable-shared CC=x86_64-w64-mingw32-gcc-posix >/dev/null &&
   make -j"$jobs" >/dev/null && make install >/dev/null)
  part_done
fi

# --- 3b. GoogleTest -------------------------------------------------------------------------------
if [ ! -f "$cache/gtest/lib/libgtest.a" ]; then
  part "GoogleTest"
  rm -rf "$cache/build/gtest"
  cmake -S /usr/src/googletest -B "$cache/build/gtest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache/gtest" -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$cache/build/gtest" -j "$jobs" >/dev/null
  cmake --install "$cache/build/gtest" >/dev/null
  part_done
fi

# --- 3c. Qt qtbase --------------------------------------------------------------------------------
if [ ! -f "$cache/qt/.installed" ]; then
  part "Qt 6.4.2 qtbase"
  unpack qtbase 'qt6-base_6.4.2+dfsg-*.dsc'
  # Not built: OpenGL, D-Bus, SQL, networking and printing (FeldSpan uses none of them; printing
  # does not link without Direct2D), and tablet events (Debian's source lacks their library).
  # Without Direct2D the DirectWrite 3 font database is not built, yet Qt 6.4.2 still asks for it
  # when DirectWrite 3 is there: ask only when both are.
  integ="$src/qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp"
  if ! grep -q 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' "$integ"; then
    sed -i 's/QT_CONFIG(directwrite3)/QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integ"
  fi
  # A build that was stopped goes on where it stopped.
  if [ ! -f "$cache/build/qt/build.ninja" ]; then
  rm -rf "$cache/build/qt" && mkdir -p "$cache/build/qt"
  (cd "$cache/build/qt" &&
   "$src/qtbase/configure" -prefix "$cache/qt" -release -opensource -confirm-license \
     -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
     -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-tabletevent \
     -no-feature-direct2d -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype \
     -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
     -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$cache/build/qt-configure.log" 2>&1) || {
    tail -40 "$cache/build/qt-configure.log" >&2; exit 1; }
  fi
  cmake --build "$cache/build/qt" -j "$jobs" >"$cache/build/qt-build.log" 2>&1 || {
    grep -m20 -B2 -A8 'error' "$cache/build/qt-build.log" >&2; exit 1; }
  cmake --install "$cache/build/qt" >/dev/null
  touch "$cache/qt/.installed"
  part_done
fi

# --- 4. wine prefix -------------------------------------------------------------------------------
if [ ! -f "$cache/wine/system.reg" ]; then
  part "wine prefix"
  WINEPREFIX="$cache/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$cache/wine" wineserver -w || true
  [ -f "$cache/wine/system.reg" ] || { echo "setup-windows: wine could not make its prefix" >&2; exit 1; }
  part_done
fi

echo "setup-windows: ready in $cache (scripts/build-windows.sh builds FeldSpan for Windows)"
