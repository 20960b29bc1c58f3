#!/usr/bin/env bash
# The test suite built with ThreadSanitizer into build-tsan/, programs included, so the threads of
# the serial port's I/O, the firmware-update worker, the window's operation worker and the
# simulated terminal are watched in every test that starts them: a data race or locks taken in two
# orders fail the test that ran into it. Run by CI after the other two test runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null

here=$(pwd)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELDSPAN_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
# What is left out, and why: scripts/tsan.supp.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$here/scripts/tsan.supp${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
ctest --test-dir build-tsan --output-on-failure -j2 --timeout 600 "$@"
