#!/usr/bin/env bash
# Builds Cribblestorm and plays it. With a display, the window simply opens. Without one,
# the game plays itself in a virtual screen: the run is recorded until "YOU LOSE!" shows
# (or a few minutes pass), then the game is ended with Escape, and the recording and a
# final screenshot are left in recordings/.
# ./play.sh --web [port] builds the browser's page instead and serves it on this machine
# (port 8000 unless given); open the address it prints in a browser.
set -euo pipefail
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
    import -window root -crop 110x16+512+368 txt:- 2>/dev/null | grep -c '#FFFFFF' || true
}
echo "Playing Level02 on a virtual screen ($DISPLAY); this takes a few minutes."
start=$SECONDS
baseline=""
while kill -0 "$game_pid" 2>/dev/null && [ $((SECONDS - start)) -lt "$longest_run_seconds" ]; do
    sleep 2
    pixels=$(white_text_pixels)
    [ -z "$baseline" ] && baseline=$pixels && continue
    if [ "$pixels" -gt $((baseline + 40)) ]; then
        echo "YOU LOSE! after $((SECONDS - start)) seconds."
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
