#!/usr/bin/env bash
# Random input under the sanitizers: the gallery, then the game, each played for the given
# number of minutes by the random-input driver (tests/monkey) on a virtual X server of its
# own with a window manager. Fails on a crash, a sanitizer report, an X error in the log, a
# ping left unanswered for 2 s, a zombie child, or descriptors or X resources that keep
# growing. The seed is printed; give it back to replay a run.
#   tools/monkey.sh [MINUTES] [BUILD_DIR] [SEED] [PROGRAM]      (MINUTES may be 0.5)
# BUILD_DIR defaults to build-sanitize; PROGRAM (gallery or sassorbi) plays only that one.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/watch.sh
minutes=${1:-10}
seconds=$(awk -v minutes="$minutes" 'BEGIN { print int(minutes * 60) }')
build=$(readlink -f "${2:-build-sanitize}")
seed=${3:-$(( RANDOM * 32768 + RANDOM ))}
only=${4:-}
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
say() { echo "monkey: $*" >&2; }

# A window manager that closes, focuses, raises and moves windows, with no key or desktop
# menu bindings for the random keys and clicks to set off, and no dragging of windows off
# the screen.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$scratch/display")"
    cat >"$scratch/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <desktops><number>1</number></desktops>
  <keyboard/>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
</openbox_config>
XML
    openbox --config-file "$scratch/rc.xml" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
        sleep 0.1
    done
    say "the window manager did not start"
    exit 1
}

# Samples every two seconds: seconds since the start, descriptors, X resources.
watch_target() {
    local dir=$1 samples=$2 start pid base
    start=$(date +%s)
    while [ ! -s "$dir/target.txt" ]; do sleep 0.2; done
    read -r pid base <"$dir/target.txt"
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$(zombies "$pid")" -ne 0 ]; then ps --ppid "$pid" -o pid=,stat=,args= >>"$dir/zombie"; fi
        echo "$(( $(date +%s) - start )) $(descriptors "$pid" 2>/dev/null || echo 0) $(x_resources "$base")" >>"$samples"
        sleep 2
    done
}

# Growth that goes on: after the first 15 s, the least of the samples rises from the first
# third to the second, again to the third, and by three at least (a cache or two filled
# late are a step or two of one, not that).
keeps_growing() {
    awk -v column="$2" '
        $1 >= 15 && $2 > 0 { value[n++] = $column }
        END {
            if (n < 6) exit 1
            for (part = 0; part < 3; part++) {
                least[part] = -1
                for (i = int(n * part / 3); i < int(n * (part + 1) / 3); i++)
                    if (least[part] < 0 || value[i] < least[part]) least[part] = value[i]
            }
            printf "%d %d %d\n", least[0], least[1], least[2] > "/dev/stderr"
            exit !(least[0] < least[1] && least[1] < least[2] && least[2] - least[0] >= 3)
        }' "$1"
}

play() {
    local program=$1 title=$2 dir="$scratch/$1" status=0
    cp -r "$build/game/." "$dir"
    say "$program for $minutes minute(s), seed $seed"
    watch_target "$dir" "$dir/samples.txt" &
    local watcher=$!
    "$build/tests/monkey/monkey" "./$program" "$dir" "$title" "$seconds" "$seed" || status=1
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    if [ -e "$dir/zombie" ]; then say "FAILED: a zombie child:"; cat "$dir/zombie" >&2; status=1; fi
    local what column
    for what in descriptors:2 "X resources:3"; do
        column=${what##*:}
        if keeps_growing "$dir/samples.txt" "$column" 2>"$dir/least"; then
            say "FAILED: the ${what%:*} keep growing"; status=1
        fi
        say "${what%:*}, least per third of the run: $(cat "$dir/least")"
    done
    if [ "$status" -ne 0 ]; then
        say "its output ends:"; tail -n 20 "$dir/output.txt" >&2 || true
        say "replay: tools/monkey.sh $minutes $build $seed $program"
    fi
    return "$status"
}

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
start_desktop
status=0
if [ -z "$only" ] || [ "$only" = gallery ]; then
    play gallery "Sassorbi - galleria" || status=1
fi
if [ -z "$only" ] || [ "$only" = sassorbi ]; then
    play sassorbi "Sassorbi v" || status=1
fi
if [ "$status" -eq 0 ]; then say "passed"; fi
exit "$status"
