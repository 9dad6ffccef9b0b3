#!/usr/bin/env bash
# Installs the Debian packages that "play", "web", "package", "test", "windows", "fuzz" or
# "bench" needs, when any is missing; "test" also installs the browser tests' Node.js modules
# (tests/web).
set -euo pipefail

# ccache: builds in fresh clones reuse what earlier builds on this machine compiled.
play_packages=(cmake ninja-build ccache g++ pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev libgl-dev libpng-dev
    libx11-dev libwayland-dev libgl1-mesa-dri fonts-dejavu-core xfonts-base xvfb xauth xdotool imagemagick ffmpeg
    x11-utils)
# Cross-building for Windows, and the setup programs (NSIS's makensis); the tests run the
# 64-bit build under Wine and the 32-bit build under Wine's 32-bit half, each with the X and
# OpenGL libraries that Wine's display driver loads (and, in 32 bits, Mesa's drivers), and
# Wine's fonts.
windows_packages=(cmake ninja-build ccache python3 mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
    nsis)
wine_libraries=(libgl1 libxrandr2 libxi6 libxrender1 libxcursor1 libxinerama1 libxcomposite1 libxxf86vm1)
wine_packages=(wine64 fonts-wine "${wine_libraries[@]}" wine32:i386 libgl1-mesa-dri:i386 "${wine_libraries[@]/%/:i386}")
# The browser's build (Emscripten) and its server; its tests drive Debian's Chromium with
# playwright-core and Debian's Firefox ESR with puppeteer-core, both from the npm registry.
web_packages=(cmake ninja-build ccache python3 emscripten)
web_test_packages=("${web_packages[@]}" chromium firefox-esr nodejs)
# The Debian package: CPack works out its dependencies with dpkg-shlibdeps (which finds the
# programs with file); its test checks it with lintian and the desktop's validators.
package_packages=("${play_packages[@]}" dpkg-dev file)
# The logic's 32-bit Linux build: the multilib compilers and a 32-bit OpenGL library to link
# against (googletest is built from the sources above). Where the kernel runs no 32-bit
# program, its tests run under qemu-user's emulator (installed below).
linux32_packages=(g++-multilib libgl-dev:i386)
# The libFuzzer targets (scripts/fuzz.sh).
fuzz_packages=(cmake ninja-build ccache clang-14 libclang-rt-14-dev libgl-dev)
# The benchmark's peers: the same scene drawn with SFML 2.5 and with Allegro 5.
bench_packages=("${play_packages[@]}" libgtest-dev python3 libsfml-dev liballegro5-dev liballegro-image5-dev
    liballegro-ttf5-dev)
# Weston: the end-to-end tests run the game as a Wayland client too.
test_packages=("${package_packages[@]}" libgtest-dev libegl-dev python3 weston "${windows_packages[@]}" "${wine_packages[@]}"
    lintian desktop-file-utils appstream "${linux32_packages[@]}" "${fuzz_packages[@]}" "${bench_packages[@]}"
    "${web_test_packages[@]}")

case "${1:-}" in
    play) wanted=("${play_packages[@]}") ;;
    web) wanted=("${web_packages[@]}") ;;
    package) wanted=("${package_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    fuzz) wanted=("${fuzz_packages[@]}") ;;
    bench) wanted=("${bench_packages[@]}") ;;
    *) echo "usage: $0 play|web|package|test|windows|fuzz|bench" >&2; exit 2 ;;
esac

install_debian_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_debian_packages "${wanted[@]}"
if [ "$1" = test ] && ! "$(dirname "$0")/runs-32-bit-programs.sh"; then
    install_debian_packages qemu-user
fi
# The browser tests' modules, exactly as package-lock.json pins them.
web_tests="$(dirname "$0")/../tests/web"
if [ "$1" = test ] && { [ ! -d "$web_tests/node_modules/playwright-core" ] ||
                        [ ! -d "$web_tests/node_modules/puppeteer-core" ]; }; then
    # Debian's npm only where Node.js came without its own (Node.js from other sources
    # brings npm, and conflicts with Debian's).
    command -v npm >/dev/null || install_debian_packages npm
    (cd "$web_tests" && npm ci --no-audit --no-fund >/dev/null)
fi
