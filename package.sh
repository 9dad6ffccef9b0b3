#!/usr/bin/env bash
# Builds Cribblestorm's Debian package, build/cribblestorm_<version>_<architecture>.deb, which
# installs the game like Debian's own games: `apt install ./build/cribblestorm_1.0.0_amd64.deb`.
# Only what goes into the package is built: the game, the level tool and the manual pages.
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: ./package.sh          build build/cribblestorm_<version>_<architecture>.deb
       ./package.sh --help   this text

Installs the Debian packages it needs first (as root, or through sudo), then builds only
what the package holds. Install the result with apt install ./build/cribblestorm_*.deb.
USAGE
}
case "${1:-}" in
    "") ;;
    --help | -h) usage; exit 0 ;;
    *) echo "package.sh: unknown argument \"$1\"" >&2; usage >&2; exit 2 ;;
esac
cd "$(dirname "$0")"
scripts/install-packages.sh package
cmake --preset linux >/dev/null
cmake --build --preset linux --target cribblestorm cribblestorm-level compressed_documents
(cd build && cpack --config ./CPackConfig.cmake)
