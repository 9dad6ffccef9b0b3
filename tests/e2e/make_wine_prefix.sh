#!/bin/sh
# Makes a fresh Wine prefix for one test run and waits until Wine has finished with it;
# Wine's start-up notes are shown only when it fails.
# Usage: make_wine_prefix.sh prefix-folder
set -eu
export WINEPREFIX="$1"
rm -rf "$WINEPREFIX"
if ! notes=$("$(dirname "$0")/run_in_wine.sh" wineboot --init 2>&1); then
    echo "$notes" >&2
    exit 1
fi
/usr/lib/wine/wineserver --wait
