#!/usr/bin/env bash
# Packs a data folder for the page: <out>.data.gz, the folder's files one after another,
# compressed, and <out>.json, each file's path and its bytes' start and end in the unpacked
# package. The page puts the files at the root of the game's file system, its working folder.
# Usage: pack-data.sh folder out
set -euo pipefail
python3 - "$1" "$2" <<'PACK'
import json
import os
import sys

folder, out = sys.argv[1:]
files, offset = [], 0
with open(out + ".data", "wb") as package:
    for root, folders, names in os.walk(folder):
        folders.sort()
        for name in sorted(names):
            with open(os.path.join(root, name), "rb") as source:
                data = source.read()
            path = os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
            files.append({"path": path, "start": offset, "end": offset + len(data)})
            package.write(data)
            offset += len(data)
with open(out + ".json", "w") as listing:
    json.dump(files, listing)
PACK
gzip -9 -n -f "$2.data"
