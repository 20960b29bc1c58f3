#!/usr/bin/env bash
# Cross-compiles FeldSpan for 64-bit Windows into build-win/: feldspan.exe, feldspan-cli.exe and the
# test programs. build-win/bin/ then runs as it is: Qt's DLLs and plugins, the compiler's runtime,
# the translations and the help lie beside the programs. Needs what scripts/setup-windows.sh
# prepares (the cache FELDSPAN_WIN_CACHE, by default ~/.cache/feldspan-windows).
# With --setup-program it also makes build-win/FeldSpan-3.0-setup.exe.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
cache="${FELDSPAN_WIN_CACHE:-$HOME/.cache/feldspan-windows}"
out="${FELDSPAN_WIN_BUILD:-$here/build-win}"
if [ ! -f "$cache/qt/.installed" ] || [ ! -f "$cache/libusb/lib/libusb-1.0.a" ] || [ ! -f "$cache/gtest/lib/libgtest.a" ]; then
  echo "build-windows: the Windows libraries are not in $cache: run scripts/setup-windows.sh first (15 to 35 minutes, once)" >&2
  exit 1
fi
setup_program=0
for a in "$@"; do
  case "$a" in
    --setup-program) setup_program=1 ;;
    *) echo "build-windows: unknown option $a (known: --setup-program)" >&2; exit 2 ;;
  esac
done

start=$(date +%s)
# Tools that a cache prepared by an earlier setup-windows.sh may lack: rsvg-convert renders the
# window's icons for Windows.
. "$here/scripts/apt-install.sh"
install_missing build-windows librsvg2-bin || true
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
export PKG_CONFIG_LIBDIR="$cache/libusb/lib/pkgconfig"
export WINEPREFIX="$cache/wine" WINEDEBUG="${WINEDEBUG:--all}"
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" -DFELDSPAN_WIN_CACHE="$cache" \
  -DCMAKE_PREFIX_PATH="$cache/qt;$cache/gtest" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${launcher[@]}" >/dev/null
cmake --build "$out"

# The folder that runs as it is.
bin="$out/bin"
qt="$cache/qt"
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Test; do
  cp -u "$qt/bin/$dll.dll" "$bin/"
done
mkdir -p "$bin/platforms" "$bin/styles" "$bin/imageformats"
cp -u "$qt/plugins/platforms/qwindows.dll" "$bin/platforms/"
[ -f "$qt/plugins/styles/qwindowsvistastyle.dll" ] && cp -u "$qt/plugins/styles/qwindowsvistastyle.dll" "$bin/styles/"
for f in "$qt"/plugins/imageformats/*.dll; do [ -f "$f" ] && cp -u "$f" "$bin/imageformats/"; done
# Qt's own DLLs were built against the shared runtime of the compiler.
gccdir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
  cp -u "$gccdir/$dll" "$bin/"
done
cp -u /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$bin/"
# The libraries as they are shipped: without their symbol tables and debugging sections (the
# compiler's libstdc++ alone carries 20 MB of them). Stripping again is harmless.
x86_64-w64-mingw32-strip --strip-unneeded "$bin"/*.dll "$bin"/*/*.dll
# Qt's translations of its own dialogs' buttons, for the languages FeldSpan has.
mkdir -p "$bin/translations"
for lang in pl ru zh_CN zh_TW; do
  for f in /usr/share/qt6/translations/qtbase_"$lang".qm; do [ -f "$f" ] && cp -u "$f" "$bin/translations/"; done
done

if [ "$setup_program" = 1 ]; then
  cmake --build "$out" --target setup-program
fi
s=$(( $(date +%s) - start ))
printf 'build-windows: built in %d min %02d s into %s\n' $((s / 60)) $((s % 60)) "$out"
