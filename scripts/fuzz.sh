#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${FELDSPAN_FUZZ_BUILD:-$here/build-fuzz}
CC=${CC:-clang-14} CXX=${CXX:-clang++-14}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_C_COMPILER="$CC" -DCMAKE_CXX_COMPILER="$CXX" \
    -DFELDSPAN_BUILD_FUZZ=ON -DFELDSPAN_BUILD_TESTS=OFF -DFELDSPAN_BUILD_BENCH=OFF >/dev/null
targets=$(cd "$here/fuzz" && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' | tr 'A-Z' 'a-z' | sed 's/^/fuzz-/')
[ -n "$targets" ] || { echo "no fuzz targets" >&2; exit 1; }
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets
status=0
for t in $targets; do
    corpus="$build/corpus/$t"
    mkdir -p "$corpus"
    echo "== $t: ${seconds}s"
    if ! "$build/bin/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 "$corpus"; then
        echo "== $t FAILED" >&2
        status=1
    fi
done
exit $status
