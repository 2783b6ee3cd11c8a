#!/usr/bin/env bash
# Takes the README's screenshots under a virtual X server: the game's title, a level in
# play and the name dialog at game over, the toolkit gallery, and the game in full screen
# on a 1920 x 1080 screen under a window manager. Needs a build (./play.sh
# or ./test.sh first). Writes docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/docs/screenshots
build=$PWD/build
mkdir -p "$out"
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
wait_window() {
    for _ in $(seq 100); do
        w=$(window_named "$1") && [ -n "$w" ] && { echo "$w"; return; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    exit 1
}
shot_window() { xwd -id "$1" -silent | convert xwd:- "$out/$2"; }
# The game with whatever is over it: the screen cut to the game window's place.
shot_area() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"
}

cp -r "$build/game/." "$scratch/game"
(cd "$scratch/game" && ./sassorbi >/dev/null 2>&1) &
pids+=($!)
game=$(wait_window "Sassorbi ")
sleep 3
shot_window "$game" title.png
xdotool key --window "$game" g
sleep 2.5
xdotool keydown --window "$game" Up; sleep 1.2; xdotool keyup --window "$game" Up
xdotool keydown --window "$game" Left; sleep 0.6; xdotool keyup --window "$game" Left
shot_window "$game" level.png
# Sweep the ship until the rocks have taken the three lives.
for _ in $(seq 120); do
    window_named Classifica >/dev/null && break
    xdotool keydown --window "$game" Left; sleep 1.2; xdotool keyup --window "$game" Left
    xdotool keydown --window "$game" Right; sleep 1.2; xdotool keyup --window "$game" Right
done
dialog=$(wait_window Classifica)
xdotool type --window "$dialog" "Ada"
sleep 0.5
shot_area "$game" name-dialog.png

if [ -x "$build/game/gallery" ]; then
    (cd "$scratch/game" && ./gallery >/dev/null 2>&1) &
    pids+=($!)
    gallery=$(wait_window "Sassorbi - galleria")
    sleep 1
    shot_window "$gallery" gallery.png
fi
# Full screen goes through a window manager: a second server of a common size, with openbox.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$scratch/display-full" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display-full" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display-full")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1
(cd "$scratch/game" && ./sassorbi >/dev/null 2>&1) &
pids+=($!)
game=$(wait_window "Sassorbi ")
sleep 3
xdotool key --window "$game" g
sleep 2.5
xdotool key --window "$game" F11
sleep 2
xwd -root -silent | convert xwd:- "$out/full-screen.png"
echo "screenshots in $out"
