#!/bin/sh
# Starts Cribblestorm from any folder: the game reads its pictures relative to its working
# folder, so it runs in its data folder, found from where this launcher lies wherever the
# package was installed. The game takes over this process: arguments, signals and the exit
# code are its own.
prefix=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$prefix/share/games/cribblestorm" || exit 1
exec "$prefix/lib/games/cribblestorm/cribblestorm" "$@"
