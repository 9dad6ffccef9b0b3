#!/usr/bin/env bash
# Builds the game, the frame probe and the peers (preset linux) and runs the benchmark on a
# virtual X server of its own. Arguments go to bench/bench.py (see --help); the results are
# also written to build/bench/bench.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh bench
cmake --preset linux >/dev/null
cmake --build --preset linux
exec scripts/with-xvfb.sh python3 bench/bench.py --build build --data Data --json build/bench/bench.json "$@"
