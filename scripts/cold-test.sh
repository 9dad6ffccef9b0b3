#!/usr/bin/env bash
# Runs ./test.sh as a fresh machine and CI would: in a fresh clone of this repository's HEAD,
# as CI=true, with empty user caches (a new HOME and XDG_CACHE_HOME: no fontconfig, Mesa
# shader, npm or Wine state) and ccache off, so every build compiles from nothing. Prints the
# whole run's time last; the clone is removed after a pass and kept after a failure.
# Usage: scripts/cold-test.sh
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/cribblestorm-cold-XXXXXX)
git clone --quiet "$source" "$work/clone"
mkdir -p "$work/home/.cache"
start=$SECONDS
status=0
(cd "$work/clone" &&
    env HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" CCACHE_DISABLE=1 CI=true ./test.sh) || status=$?
echo "Cold run of $(git -C "$work/clone" rev-parse --short HEAD): exit code $status after $((SECONDS - start)) s"
if [ "$status" -eq 0 ]; then
    rm -rf "$work"
else
    echo "The clone and its builds are kept in $work/clone."
fi
exit "$status"
