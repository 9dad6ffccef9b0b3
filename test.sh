#!/usr/bin/env bash
# Builds Cribblestorm and runs every test: unit, render and end-to-end tests under a
# virtual X server, the browser's build in headless Chromium, the unit tests again as a
# 32-bit program, the Windows builds' checks and their tests under Wine, then the Linux tests
# again with AddressSanitizer and UBSan, and a minute of each fuzz target. Its last lines say
# where the time went and which tests this machine could not run, and why.
set -euo pipefail
cd "$(dirname "$0")"

phases=()
timed() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    phases+=("$(printf '%-16s %4d s' "$name" $((SECONDS - start)))")
    return $status
}
report_times() {
    echo "Time: $SECONDS s in all"
    printf '  %s\n' "${phases[@]}"
}
trap report_times EXIT

timed "packages" scripts/install-packages.sh test

# Sanitizer reports land in files (standard error belongs to the debugger output) and
# fail the test that caused them.
sanitizer_logs="$PWD/build-asan/sanitizer-logs"
export ASAN_OPTIONS="log_path=$sanitizer_logs/asan:exitcode=23:detect_leaks=0"
export UBSAN_OPTIONS="log_path=$sanitizer_logs/ubsan:print_stacktrace=1:halt_on_error=1"
# Clones in other folders on this machine share the compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

# Asked once, by starting a 32-bit program (CRIBBLESTORM_NO_32_BIT=1 answers no anywhere).
runs_32_bit=ON
scripts/runs-32-bit-programs.sh || runs_32_bit=OFF

build() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset"
}
run_suite() {
    local preset=$1
    timed "$preset build" build "$@" || return
    timed "$preset tests" scripts/with-xvfb.sh ctest --preset "$preset" -j2
}

# The browser's page first: the Linux suite's browser tests load it.
timed "web build" build web
run_suite linux
run_suite linux32 -DCRIBBLESTORM_RUNS_32_BIT=$runs_32_bit
# Windows: both builds run their tests under Wine, the 32-bit one in a 32-bit prefix.
run_suite win32 -DCRIBBLESTORM_RUNS_32_BIT=$runs_32_bit
run_suite win64
rm -rf "$sanitizer_logs" && mkdir -p "$sanitizer_logs"
if ! run_suite asan || compgen -G "$sanitizer_logs/*" >/dev/null; then
    cat "$sanitizer_logs"/* 2>/dev/null || true
    exit 1
fi
# A minute of each fuzz target, so that a regression in a parser of outside data shows.
timed "fuzz" scripts/fuzz.sh 60

# Every skipped test printed its reason as its one line of output.
skipped=$(awk '/^[0-9]+\/[0-9]+ Test: / { test = $3 }
    /^skipped: / { split(FILENAME, folder, "/"); sub(/^skipped: /, ""); print "  " folder[1] " " test ": " $0 }' \
    build*/Testing/Temporary/LastTest.log)
if [ -n "$skipped" ]; then
    echo "Skipped on this machine:"
    echo "$skipped"
fi
echo "All tests passed."
