#!/usr/bin/env bash
# Runs the end-to-end tests N times over, two at a time, while a CPU-heavy job keeps every
# core busy, and tells how many runs failed and which tests failed how often: a test that
# fails here by chance would fail in CI by chance. Each run holds the Linux program's tests,
# the Linux test programs that open windows, the level tool's (its guide's worked example
# played), the sanitizers' build through every fatal path, and the Windows programs' tests
# under Wine (64-bit, and 32-bit in a 32-bit prefix).
# Usage: scripts/stress-tests.sh N
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: $0 N}
scripts/install-packages.sh test

# preset, build folder, tests
suites=("linux build ^(e2e\.|render_tests$|game_drawing_tests$|sdl_window_tests$|level_tool$)"
        "asan build-asan ^e2e\.(test_without_a_display|test_a_missing_level|test_a_fatal_error|test_a_close_signal|test_an_x_error)"
        "win64 build-win64 ^windows_e2e$")
if scripts/runs-32-bit-programs.sh; then
    suites+=("win32 build-win32 ^windows_e2e$")
else
    echo "The 32-bit Windows program's test is left out: this machine runs no 32-bit program."
fi
# As ./test.sh runs the sanitizers' build, but for the log files: a report fails its test.
export ASAN_OPTIONS="detect_leaks=0" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for suite in "${suites[@]}"; do
    read -r preset _ _ <<<"$suite"
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null
done

hogs=()
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    hogs+=($!)
done
trap 'kill "${hogs[@]}" 2>/dev/null || true' EXIT

logs=$(mktemp -d)
failed_runs=0
for run in $(seq "$runs"); do
    failed=()
    for suite in "${suites[@]}"; do
        read -r preset folder tests <<<"$suite"
        if ! ctest --preset "$preset" -j2 -R "$tests" >"$logs/run-$run-$preset.txt" 2>&1; then
            failed+=($(cut -d: -f2 "$folder/Testing/Temporary/LastTestsFailed.log"))
        fi
    done
    if [ ${#failed[@]} -eq 0 ]; then
        echo "run $run passed"
        continue
    fi
    failed_runs=$((failed_runs + 1))
    echo "run $run failed: ${failed[*]} (logs: $logs/run-$run-*.txt)"
    printf '%s\n' "${failed[@]}" >>"$logs/failed-tests.txt"
done

echo "$failed_runs of $runs runs failed."
[ "$failed_runs" -eq 0 ] || { sort "$logs/failed-tests.txt" | uniq -c | sort -rn; exit 1; }
