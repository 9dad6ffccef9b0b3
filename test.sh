#!/usr/bin/env bash
# Builds Cribblestorm and runs every test: unit, render and end-to-end tests under a
# virtual X server, the browser's build in headless Chromium, the unit tests again as a
# 32-bit program, the Windows builds' checks and their tests under Wine, then the Linux tests
# again with AddressSanitizer and UBSan, and a minute of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh test

# Sanitizer reports land in files (standard error belongs to the debugger output) and
# fail the test that caused them.
sanitizer_logs="$PWD/build-asan/sanitizer-logs"
export ASAN_OPTIONS="log_path=$sanitizer_logs/asan:exitcode=23:detect_leaks=0"
export UBSAN_OPTIONS="log_path=$sanitizer_logs/ubsan:print_stacktrace=1:halt_on_error=1"

run_suite() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    scripts/with-xvfb.sh ctest --preset "$preset" -j2
}

# The browser's page first: the Linux suite's browser tests load it.
cmake --preset web >/dev/null
cmake --build --preset web
run_suite linux
run_suite linux32
# Windows: both builds run their tests under Wine, the 32-bit one in a 32-bit prefix.
run_suite win32
run_suite win64
rm -rf "$sanitizer_logs" && mkdir -p "$sanitizer_logs"
if ! run_suite asan || compgen -G "$sanitizer_logs/*" >/dev/null; then
    cat "$sanitizer_logs"/* 2>/dev/null || true
    exit 1
fi
# A minute of each fuzz target, so that a regression in a parser of outside data shows.
scripts/fuzz.sh 60
echo "All tests passed."
