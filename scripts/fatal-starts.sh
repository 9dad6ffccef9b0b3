#!/usr/bin/env bash
# Starts the game N times with no display at all, the plain build and the sanitizers' build
# alternately, each in an empty folder, and tells how many ended otherwise than with exit code 1
# within the limit: the fatal path from the first step of start-up, while the head start's
# thread still runs, never hangs. Builds both presets first.
# Usage: scripts/fatal-starts.sh N
set -euo pipefail
cd "$(dirname "$0")/.."
starts=${1:?usage: $0 N}
limit_seconds=20
for preset in linux asan; do
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target cribblestorm >/dev/null
done
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export ASAN_OPTIONS="detect_leaks=0"
failed=0
for start in $(seq "$starts"); do
    for program in "$PWD/build/cribblestorm" "$PWD/build-asan/cribblestorm"; do
        status=0
        (cd "$folder" && exec env -u DISPLAY -u WAYLAND_DISPLAY timeout -s KILL "$limit_seconds" \
            "$program" 2>/dev/null) || status=$?
        if [ "$status" -ne 1 ]; then
            failed=$((failed + 1))
            echo "start $start of $program ended with $status (137: still running after $limit_seconds s)"
        fi
    done
done
echo "$failed of $((2 * starts)) starts without a display ended otherwise than with exit code 1."
[ "$failed" -eq 0 ]
