#!/bin/sh
# Runs a Windows program under Wine's 64-bit loader, or the one WINELOADER names (the 32-bit
# build's tests use the 32-bit loader), with Wine's own chatter off (callers may set WINEDEBUG
# to see more), without the Mono and Gecko installers' prompts, and without the menu builder
# that Wine's start-up of each session runs: it wants the desktop, and when it has waited ten
# seconds for it (a busy machine) it goes on with Wine's null display driver and leaves that
# driver's made-up display modes in the session's settings for every later program. Callers
# may override more DLLs in WINEDLLOVERRIDES.
# Usage: run_in_wine.sh program.exe [arguments...]
WINEDEBUG="${WINEDEBUG:--all}" \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" \
    exec "${WINELOADER:-/usr/lib/wine/wine64}" "$@"
