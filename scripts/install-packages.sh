#!/usr/bin/env bash
# Installs the Debian packages that "play" or "test" needs, when any is missing.
set -euo pipefail

play_packages=(cmake ninja-build g++ pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev libgl-dev
    libx11-dev libgl1-mesa-dri fonts-dejavu-core xfonts-base xvfb xauth xdotool imagemagick ffmpeg)
test_packages=("${play_packages[@]}" libgtest-dev python3 x11-utils)

case "${1:-}" in
    play) wanted=("${play_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
