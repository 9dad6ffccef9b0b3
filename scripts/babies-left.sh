#!/usr/bin/env bash
# Prints how many babies a screenshot of the game shows alive. PICTURE is any picture
# ImageMagick reads, x:root for the X server's screen. Each living baby has a row of hearts
# at the top left, baby n's first heart 32 pixels from the left and 32 n from the top; a red
# one is a baby still alive.
# Usage: scripts/babies-left.sh PICTURE BABIES
set -euo pipefail
picture=${1:?usage: $0 PICTURE BABIES}
babies=${2:?usage: $0 PICTURE BABIES}
# Eight bits a channel whatever ImageMagick counts in (Debian's counts in sixteen).
convert "$picture" -crop 1x768+32+0 -depth 8 txt:- |
    awk -F'[,:() ]+' '$2 > 0 && $2 % 32 == 0 && $2 / 32 <= babies && $3 > 150 && $4 < 100 && $5 < 100 { n++ }
                      END { print n + 0 }' babies="$babies"
