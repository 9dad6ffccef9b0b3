#!/usr/bin/env bash
# Builds Cribblestorm's Debian package, build/cribblestorm_<version>_<architecture>.deb, which
# installs the game like Debian's own games: `apt install ./build/cribblestorm_1.0.0_amd64.deb`.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh package
cmake --preset linux >/dev/null
cmake --build --preset linux --target package
