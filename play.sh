#!/usr/bin/env bash
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: ./play.sh                build Cribblestorm and play it
       ./play.sh --web [PORT]   build the browser's page and serve it on this machine (port 8000)
       ./play.sh --help         this text

With a display, the game's window opens (Escape quits). Without one, the game plays itself
in a virtual screen, printing the time and the babies left as it goes: the run is recorded
until "YOU LOSE!" shows (or six minutes pass), then the game is ended with Escape, and the
recording and a final screenshot are left in recordings/. Installs the Debian packages it
needs first (as root, or through sudo).
USAGE
}
refuse() {
    echo "play.sh: $1" >&2
    usage >&2
    exit 2
}
case "${1:-}" in
    "") ;;
    --help | -h) [ $# -eq 1 ] || refuse "--help takes no arguments"; usage; exit 0 ;;
    --web)
        [ $# -le 2 ] || refuse "--web takes one port at the most"
        [[ "${2:-8000}" =~ ^[0-9]+$ ]] || refuse "--web $2: the port must be a number" ;;
    *) refuse "unknown argument \"$1\"" ;;
esac
cd "$(dirname "$0")"
if [ "${1:-}" = --web ]; then
    port=${2:-8000}
    scripts/install-packages.sh web
    cmake --preset web >/dev/null
    cmake --build --preset web
    echo "Serving build-web/web/ at http://localhost:$port/ (Ctrl+C stops it)."
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/web
fi
scripts/install-packages.sh play
cmake --preset linux >/dev/null
cmake --build --preset linux --target cribblestorm
game="$PWD/build/cribblestorm"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    cd Data
    exec "$game"
fi

longest_run_seconds=${CRIBBLESTORM_LONGEST_RUN:-360}
recordings="$PWD/recordings"
mkdir -p "$recordings"
stamp=$(date +%Y%m%d-%H%M%S)
video="$recordings/cribblestorm-$stamp.mp4"
picture="$recordings/cribblestorm-$stamp.png"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A virtual screen on the first free display number.
number=90
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done

(cd Data && exec "$game" 2>"$work/debug.txt") &
game_pid=$!
ffmpeg -loglevel error -f x11grab -video_size 1024x768 -framerate 10 -i "$DISPLAY" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -y "$video" </dev/null &
recorder_pid=$!

# "YOU LOSE!" is white text standing on the middle of the screen.
white_text_pixels() {
    import -window root -crop 110x16+512+368 -depth 8 txt:- 2>/dev/null | grep -c '#FFFFFF' || true
}
babies() { grep -c "Spawned baby" "$work/debug.txt" || true; }
babies_left() { printf 'babies left: %s of %s' "$(scripts/babies-left.sh x:root "$(babies)" 2>/dev/null)" "$(babies)"; }
echo "Playing Level02 on a virtual screen ($DISPLAY); this takes a few minutes."
start=$SECONDS
baseline=""
next_progress=10
while kill -0 "$game_pid" 2>/dev/null && [ $((SECONDS - start)) -lt "$longest_run_seconds" ]; do
    sleep 2
    elapsed=$((SECONDS - start))
    if [ "$elapsed" -ge "$next_progress" ]; then
        printf '%d:%02d  %s\n' $((elapsed / 60)) $((elapsed % 60)) "$(babies_left)"
        next_progress=$((next_progress + 20))
    fi
    pixels=$(white_text_pixels)
    [ -z "$baseline" ] && baseline=$pixels && continue
    if [ "$pixels" -gt $((baseline + 40)) ]; then
        echo "YOU LOSE! after $((SECONDS - start)) seconds ($(babies_left))."
        sleep 3
        break
    fi
done
import -window root "$picture"
xdotool key Escape
wait "$game_pid" && echo "The game ended with exit code 0." || echo "The game ended with exit code $?."
kill -INT "$recorder_pid" && wait "$recorder_pid" || true
echo "Recording:  $video"
echo "Screenshot: $picture"
