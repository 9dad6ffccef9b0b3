#!/usr/bin/env bash
# Packs a data folder for the page: <out>.data.gz and its loader <out>.js, which puts the
# folder's files at the root of the page's file system, the game's working folder. The
# package is compressed here and unpacked by the page, whether or not the host compresses.
# Usage: pack-data.sh folder out
set -euo pipefail
folder=$(cd "$1" && pwd)
out=$2
packager=/usr/share/emscripten/tools/file_packager.py
cd "$(dirname "$out")"
name=$(basename "$out")
# (Its reminder to build the program with a file system is answered: the program has one.)
python3 "$packager" "$name.data" --preload "$folder@/" --js-output="$name.js" \
    2> >(grep -v "FORCE_FILESYSTEM" >&2) >/dev/null
gzip -9 -n -f "$name.data"
