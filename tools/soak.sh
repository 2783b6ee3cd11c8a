#!/usr/bin/env bash
# Plays the real game under a virtual X server with random input for the given number of
# minutes (moves, pauses, level skips, game overs with names) and watches it: its memory,
# open descriptors, child processes and the X resources it holds. Fails on any growth after
# the first minute, any zombie child, or a crash. Needs a build (./play.sh or ./test.sh).
#   tools/soak.sh [MINUTES] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
build=$(readlink -f "${2:-build}")
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "soak: FAILED: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"

cp -r "$build/game/." "$scratch/game"
(cd "$scratch/game" && exec ./sassorbi >/dev/null 2>&1) &
game=$!
pids+=($game)
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Sassorbi " 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the game window never appeared"
base=$(printf '0x%x' $(( window & ~0x1fffff )))

source tools/watch.sh
alive() { kill -0 "$game" 2>/dev/null; }
memory_kb() { awk '/^VmRSS/ {print $2}' "/proc/$game/status"; }

random_input() {
    exec 9>&2 2>/dev/null  # xdotool's warnings about the focus are noise here
    case $(( RANDOM % 10 )) in
        0) xdotool key --window "$window" p; sleep 0.3; xdotool key --window "$window" p ;;
        1) xdotool key --window "$window" n ;;
        *) local keys=(Left Right Up Down a d w x)
           local key=${keys[$(( RANDOM % 8 ))]}
           xdotool keydown --window "$window" "$key"
           sleep "0.$(( RANDOM % 9 + 1 ))"
           xdotool keyup --window "$window" "$key" ;;
    esac
    local dialog
    dialog=$(xdotool search --onlyvisible --name Classifica 2>/dev/null | head -1) || true
    if [ -n "$dialog" ]; then
        xdotool type --window "$dialog" "soak$(( RANDOM % 100 ))"
        xdotool key --window "$dialog" Return
        sleep 0.5
        xdotool key --window "$window" space
    fi
    xdotool key --window "$window" g
    exec 2>&9
}

# Samples are taken on the title screen or in play, never while a dialog is open.
sample() {
    echo "$(memory_kb) $(descriptors "$game") $(x_resources "$base")"
}

start=$(date +%s)
end=$(( start + minutes * 60 ))
baseline=""
samples=0
while [ "$(date +%s)" -lt "$end" ]; do
    alive || fail "the game ended (crash?)"
    random_input
    if [ "$(zombies "$game")" -ne 0 ]; then
        ps --ppid "$game" -o pid=,stat=,args= >&2
        fail "a zombie child"
    fi
    if [ -z "$baseline" ] && [ "$(date +%s)" -ge $(( start + 60 )) ]; then
        baseline=$(sample)
        echo "soak: after the first minute (RSS kB, descriptors, X resources): $baseline"
    fi
    if [ -n "$baseline" ] && ! xdotool search --onlyvisible --name Classifica >/dev/null 2>&1; then
        read -r rss fds xres <<<"$(sample)"
        read -r base_rss base_fds base_xres <<<"$baseline"
        samples=$(( samples + 1 ))
        # Pages of the allocator may settle by a few kilobytes; real growth is far larger.
        [ "$rss" -le $(( base_rss + 512 )) ] || fail "memory grew from $base_rss kB to $rss kB"
        [ "$fds" -le "$base_fds" ] || fail "descriptors grew from $base_fds to $fds"
        [ "$xres" -le "$base_xres" ] || fail "X resources grew from $base_xres to $xres"
    fi
done
alive || fail "the game ended (crash?)"
echo "soak: $minutes minutes, $samples samples, final: $(sample)"
kill "$game"
echo "soak: passed"
