#!/bin/sh
# Native Linux lane: builds the pure sources with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (native/), runs their test suites with CTest, then runs
# every libFuzzer target for a fixed time.
#   tools/run-native-tests.sh [short|long]   short: 10 s a fuzzer, long: 300 s
# Exits non-zero when the build, a test or a fuzzer fails.
set -eu

mode=${1:-short}
case "$mode" in
short) seconds=10 ;;
long) seconds=300 ;;
*)
    echo "usage: $0 [short|long]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/native"
jobs=$(nproc 2>/dev/null || echo 2)

generator=""
if command -v ninja >/dev/null 2>&1; then
    generator="-G Ninja"
fi
# shellcheck disable=SC2086
cmake -S "$root/native" -B "$build" $generator \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j "$jobs"

(cd "$build" && ctest --output-on-failure -j "$jobs")

# The fuzzers run side by side, as many at a time as there are processors.
mkdir -p "$build/corpus" "$build/artifacts"
run_fuzzer() {
    name=$(basename "$1")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds=""
    if [ -d "$root/fuzz/corpus/$name" ]; then
        seeds="$root/fuzz/corpus/$name"
    fi
    rc=0
    # shellcheck disable=SC2086
    "$1" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$name-" "$corpus" $seeds >"$build/$name.log" 2>&1 || rc=$?
    echo "$rc" >"$build/$name.rc"
}
names=""
running=0
for fuzzer in "$build"/fuzzers/*; do
    [ -x "$fuzzer" ] || continue
    names="$names $(basename "$fuzzer")"
    rm -f "$build/$(basename "$fuzzer").rc"
    run_fuzzer "$fuzzer" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait
        running=0
    fi
done
wait

status=0
for name in $names; do
    log="$build/$name.log"
    if [ "$(cat "$build/$name.rc" 2>/dev/null)" = 0 ]; then
        printf '%-16s %4s s  ok (%s)\n' "$name" "$seconds" "$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1)"
    else
        printf '%-16s %4s s  FAILED, see %s\n' "$name" "$seconds" "$log"
        grep -m 1 -A 20 -E 'ERROR|runtime error|Test unit written' "$log" || tail -n 20 "$log"
        status=1
    fi
done
exit $status
