#!/usr/bin/env bash
# The whole test suite once more, built with sanitizers. Run by CI after scripts/test.sh, once for
# each kind:
#   scripts/test-sanitized.sh [address|thread] [CTEST_ARGS...]
# address (the default): AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/; a read
#   past a buffer, a use after free or undefined behaviour fails the test that caused it.
# thread: ThreadSanitizer into build-tsan/, programs included, so the threads of the serial port's
#   I/O, the firmware-update worker, the window's operation worker and the simulated terminal are
#   watched in every test that starts them; a data race or locks taken in two orders fail the test.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=address
case "${1:-}" in address|thread) kind=$1; shift ;; esac
scripts/setup.sh >/dev/null

if [ "$kind" = thread ]; then
  build=build-tsan
  compile="-fsanitize=thread -fno-omit-frame-pointer"
  link="-fsanitize=thread"
  # What is left out, and why: scripts/tsan.supp.
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$(pwd)/scripts/tsan.supp${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
else
  build=build-asan
  compile="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
  link="-fsanitize=address,undefined"
  # Qt's own libraries are not instrumented and keep some memory to the end of the process on
  # purpose: leaks are not looked for here.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELDSPAN_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$compile" -DCMAKE_EXE_LINKER_FLAGS="$link" -DCMAKE_SHARED_LINKER_FLAGS="$link" >/dev/null
cmake --build "$build"

. scripts/test-env.sh
ctest --test-dir "$build" --output-on-failure -j2 --timeout 600 "$@"
