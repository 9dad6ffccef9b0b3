#!/usr/bin/env bash
# What the game's prescribed drawing and start-up cost it against the peers: builds a copy of
# the game with bench/prescribed-costs.patch, in which each of those rules can be lifted by an
# environment variable, and runs the benchmark with the game as it is, the copy with one rule
# lifted at a time, the copy with all of them lifted, and the peers, in the same rounds.
# The copy is for measuring only: lifting a rule changes what the game draws or does.
# Arguments go to bench/bench.py (see --help), such as --rounds 5 --seconds 8.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-packages.sh bench
cmake --preset linux >/dev/null
cmake --build --preset linux
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$copy"
(cd "$copy" && git apply "$root/bench/prescribed-costs.patch")
cmake -S "$copy" -B "$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCRIBBLESTORM_TESTS=OFF >/dev/null
cmake --build "$copy/build" --target cribblestorm
lifts="LIFT_CLAMP LIFT_SHARE LIFT_MATRIX LIFT_ATTRIB LIFT_IMMEDIATE LIFT_DEPTH LIFT_FONT"
programs=()
for lift in $lifts all; do
    name=$(echo "${lift#LIFT_}" | tr 'A-Z' 'a-z')
    settings=$lift=1
    [ "$lift" = all ] && settings=$(printf '%s=1 ' $lifts)
    printf '#!/bin/sh\nexport %s\nexec "%s" "$@"\n' "$settings" "$copy/build/cribblestorm" >"$copy/$name"
    chmod +x "$copy/$name"
    programs+=(--program "no-$name=$copy/$name")
done
scripts/with-xvfb.sh python3 bench/bench.py --build build --data Data --json build/bench/prescribed-costs.json \
    "${programs[@]}" "$@"
