#!/bin/sh
# Starts Wine's desktop process (explorer.exe /desktop) as the first program of the prefix's
# session, waits until its message loop runs, then runs the command. Left to Wine, the first
# program that needs the desktop starts explorer itself and waits ten seconds at most; on a busy
# machine explorer takes longer, and the program goes on with Wine's null display driver: no
# window, and that driver's made-up display modes. The readiness line is explorer's own trace.
# Usage: with_wine_desktop.sh command [arguments...]
set -eu
/usr/lib/wine/wineserver --wait  # a session of the prefix's that is still ending has its own desktop
notes=$(mktemp)
WINEDEBUG=-all,+explorer "$(dirname "$0")/run_in_wine.sh" 'C:\windows\system32\explorer.exe' /desktop 2>"$notes" &
desktop=$!
until grep -q "desktop message loop starting" "$notes"; do
    if ! kill -0 $desktop 2>/dev/null; then
        echo "Wine's desktop ended before its message loop ran:" >&2
        cat "$notes" >&2
        rm -f "$notes"
        exit 1
    fi
    sleep 0.05
done
rm -f "$notes"
exec "$@"
