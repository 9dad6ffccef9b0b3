#!/usr/bin/env bash
# Runs a command on a virtual X server of its own. The server picks a free display number
# itself and says which (-displayfd), so servers started at the same moment never collide.
# Usage: with-xvfb.sh command [arguments...]
set -euo pipefail
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$number_file"' EXIT
# The number's line is written once the server accepts connections.
until [ "$(wc -l <"$number_file")" -ge 1 ]; do
    kill -0 $server 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
DISPLAY=":$(head -n 1 "$number_file")" "$@"
