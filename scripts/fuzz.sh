#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs them side by side, each for the given
# number of seconds (default 60), starting from its seed corpus in tests/fuzz/corpus/<target>.
# New inputs go to build-fuzz/corpus/<target>, each run's output to build-fuzz/<target>.log,
# a crashing input to build-fuzz/crashes/. Fails when any target finds a crash. Further
# arguments go to libFuzzer (for example -jobs=2 -workers=2).
# Usage: scripts/fuzz.sh [seconds] [libFuzzer arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/install-packages.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/crashes
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets run side by side, each for the whole time.
fuzz() {
    local target=$1
    shift
    mkdir -p "build-fuzz/corpus/$target"
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" "$@" "build-fuzz/corpus/$target" \
        "tests/fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1
}
targets=(FuzzImage FuzzLevelScan FuzzSpriteStrip FuzzLevelFileCheck)
runs=()
for target in "${targets[@]}"; do
    fuzz "$target" "$@" &
    runs+=($!)
done
failed=0
for index in "${!targets[@]}"; do
    target=${targets[$index]}
    log=build-fuzz/$target.log
    if ! wait "${runs[$index]}"; then
        tail -n 60 "$log"
        echo "$target failed; the input is in build-fuzz/crashes/"
        failed=1
        continue
    fi
    echo "$target: $(grep -h -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2) executions" \
         "in $seconds s, no failure"
done
exit $failed
