#!/usr/bin/env bash
# Copies the page's folder with a content hash in the name of every file but index.html, and
# writes the new names into index.html: a cache that keeps an old file can never pair it
# with a new one, so the files can be cached for ever and only index.html is asked for anew.
# Usage: version-assets.sh from-folder to-folder
set -euo pipefail
from=$1
to=$2
rm -rf "$to"
mkdir -p "$to"
cp "$from/index.html" "$to/index.html"
for path in "$from"/*; do
    name=$(basename "$path")
    [ "$name" = index.html ] && continue
    hash=$(sha256sum "$path" | cut -c1-12)
    stem=${name%%.*}
    versioned="$stem.$hash.${name#*.}"
    cp "$path" "$to/$versioned"
    sed -i "s|\"$name\"|\"$versioned\"|g" "$to/index.html"
done
