#!/bin/sh
# Fuzzes the cradle firmware reader for a bounded time (default 60 s):
#   scripts/fuzz-dfu.sh [SECONDS]
# Builds the libFuzzer target with clang in build-fuzz-dfu/ and keeps its corpus there. The whole
# build is instrumented, so the reader's own code gives coverage and its writes are checked.
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FELDSPAN_FUZZ_BUILD:-$root/build-fuzz-dfu}

CC=${CC:-clang} CXX=${CXX:-clang++} cmake -S "$root" -B "$build" -G Ninja \
    -DFELDSPAN_BUILD_FUZZ=ON -DFELDSPAN_BUILD_TESTS=OFF -DFELDSPAN_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build" --target fuzz-dfufilefuzz -j2

corpus=$build/corpus-dfu
mkdir -p "$corpus"
# Seeds: records that the reader accepts (the leading byte 1 asks the target to add the suffix),
# and one whole file with its suffix.
printf '\001S00600004844521B\r\nS1071000010203044D\r\nS9030000FC\r\n' >"$corpus/seed-records"
printf '\001S1 05 C000 AA BB 94\nS5030001FB\nS70500000000FA\n' >"$corpus/seed-breaks"
printf 'S1041000AA41\020\001\215\014\035\376\000\001UFD\020\000\000\000\000' >"$corpus/seed-suffix"

# -timeout catches a stall on one input; -max_total_time bounds the run.
"$build/bin/fuzz-dfufilefuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -max_len=8192 -print_final_stats=1 "$corpus"
