#!/bin/sh
# Runs a Windows program under Wine's 64-bit loader, or the one WINELOADER names (the 32-bit
# build's tests use the 32-bit loader), with Wine's own chatter off (callers may set WINEDEBUG
# to see more) and without the Mono and Gecko installers' prompts; callers may override more
# DLLs in WINEDLLOVERRIDES.
# Usage: run_in_wine.sh program.exe [arguments...]
WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" \
    exec "${WINELOADER:-/usr/lib/wine/wine64}" "$@"
