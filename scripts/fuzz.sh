#!/bin/sh
# Builds the libFuzzer targets with clang (the whole build instrumented, so the code under test
# gives coverage and is checked by AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# from its committed seed corpus until it has made RUNS executions or SECONDS have passed.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [RUNS] [TARGET...]   (defaults: 1800, 10000000, all)
# Prints one line per target: executions, seconds, and whether it found anything. Exit 1 on a
# finding (the crashing input is kept in build-fuzz/findings/).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
runs=${2:-10000000}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
build=${FELDSPAN_FUZZ_BUILD:-$here/build-fuzz}
CC=${CC:-clang-14} CXX=${CXX:-clang++-14}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_C_COMPILER="$CC" -DCMAKE_CXX_COMPILER="$CXX" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
    -DFELDSPAN_BUILD_FUZZ=ON -DFELDSPAN_BUILD_TESTS=OFF -DFELDSPAN_BUILD_BENCH=OFF >/dev/null
if [ $# -gt 0 ]; then
    targets=$*
else
    targets=$(cd "$here/fuzz" && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' | tr 'A-Z' 'a-z' | sed 's/^/fuzz-/')
fi
[ -n "$targets" ] || { echo "no fuzz targets" >&2; exit 1; }
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets
status=0
summary=""
mkdir -p "$build/findings"
for t in $targets; do
    corpus="$build/corpus/$t"
    seeds="$here/fuzz/corpus/${t#fuzz-}"
    mkdir -p "$corpus"
    [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
    echo "== $t: up to $runs runs or ${seconds}s"
    log="$build/$t.log"
    if "$build/bin/$t" -runs="$runs" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$t-" "$corpus" >"$log" 2>&1; then
        verdict="no finding"
    else
        verdict="FINDING (see $log and $build/findings/)"
        status=1
    fi
    done_runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
    done_secs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\2/p' "$log" | tail -1)
    [ -n "$done_runs" ] || done_runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\)/\1/p' "$log" | tail -1)
    line=$(printf '%-26s %12s runs %6s s  %s' "$t" "${done_runs:-?}" "${done_secs:-?}" "$verdict")
    echo "$line"
    summary="$summary$line
"
done
echo
echo "== summary"
printf '%s' "$summary"
exit $status
