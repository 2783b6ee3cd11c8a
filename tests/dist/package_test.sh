#!/usr/bin/env bash
# The Debian package as a player meets it: built from the Release build, checked with
# lintian, installed, the game started through its launcher on a virtual X server of its
# own with a window manager, its window's icon and class read back, closed, the package
# removed, and the player's scores and settings still there. Installing needs root (the
# suite runs as root); without it the test stops after lintian and says so.
# tests/dist/package_test.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
say() { printf 'package test: %s\n' "$*" >&2; }
fail() { say "FAILED: $*"; exit 1; }

scratch=$(mktemp -d)
started=()
installed=false
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    if $installed; then dpkg --purge sassorbi >/dev/null 2>&1 || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

deb=$(tools/package.sh "$build")
say "built $(basename "$deb")"
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "sassorbi_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q libx11 || fail "no dependency on libx11"
dpkg-deb -f "$deb" Recommends | grep -q alsa-utils || fail "alsa-utils not recommended"

# Errors fail; the warnings and notes kept are printed for the log.
lintian --fail-on error --info "$deb" >&2 || fail "lintian found errors"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/sassorbi ./usr/libexec/sassorbi/sassorbi ./usr/share/sassorbi/Data/logo.bin \
    ./usr/share/applications/sassorbi.desktop ./usr/share/metainfo/org.example.sassorbi.metainfo.xml \
    ./usr/share/man/man6/sassorbi.6.gz ./usr/share/doc/sassorbi/copyright; do
    grep -qx "$path" <<<"$contents" || fail "$path is not in the package"
done
for size in 16 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/sassorbi.png" <<<"$contents" ||
        fail "no ${size} pixel icon"
done
if grep -q '/Data/Sassorbi' <<<"$contents"; then fail "the package holds scores"; fi

if [ "$(id -u)" -ne 0 ]; then
    say "not root: the package is not installed, so the rest is skipped"
    exit 0
fi
if dpkg-query -W -f='${Status}' sassorbi 2>/dev/null | grep -q 'install ok installed'; then
    fail "sassorbi is installed on this machine already; the test would remove it"
fi
# Set before the install, so a half-done one is purged too.
installed=true
dpkg -i "$deb" >/dev/null
desktop-file-validate /usr/share/applications/sassorbi.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.sassorbi.metainfo.xml >/dev/null
test -z "$(zcat /usr/share/man/man6/sassorbi.6.gz | mandoc -T lint -W style 2>&1)" ||
    fail "the installed manual page has faults"
[ "$(/usr/games/sassorbi --version)" = "sassorbi $version" ] || fail "sassorbi --version"

# A player who has played before: scores and settings in their own folder.
home=$scratch/home
game_dir=$home/.local/share/sassorbi
mkdir -p "$game_dir/Data/Sassorbi/Score"
printf '00000450 ada          Level 3\n' >"$game_dir/Data/Sassorbi/Score/Classifica.txt"
cp "$game_dir/Data/Sassorbi/Score/Classifica.txt" "$scratch/scores"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
started+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
sleep 1

env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/games:/usr/bin:/bin sassorbi >"$scratch/game.out" 2>&1 &
game=$!
started+=("$game")
window=$(timeout 20 xdotool search --sync --onlyvisible --classname 'Sassorbi.exe' | head -1) ||
    fail "no window: $(cat "$scratch/game.out")"

# The title screen: the bottom row of the window is the logo picture's.
logo=/usr/share/sassorbi/Data/logo.bin
row=$((599 * 800 * 3))
shows_title() {
    import -window "$window" -depth 8 "rgb:$scratch/shot.rgb" 2>/dev/null &&
        cmp -s -n 2400 -i "$row:$row" "$scratch/shot.rgb" "$logo"
}
for _ in $(seq 50); do shows_title && break; sleep 0.2; done
shows_title || fail "the title screen never showed"

xprop -id "$window" WM_CLASS | grep -qx 'WM_CLASS(STRING) = "Sassorbi.exe", "Sassorbi.exe"' ||
    fail "window class: $(xprop -id "$window" WM_CLASS)"
# _NET_WM_ICON: a width and a height, then that many pixels, for each size.
sizes=$(xprop -id "$window" -notype -f _NET_WM_ICON 32c ' = $0+\n' _NET_WM_ICON |
    cut -d= -f2 | tr -d ' ' | tr ',' '\n' |
    awk 'skip > 0 { skip--; next } w == "" { w = $1; next } { printf "%sx%s ", w, $1; skip = w * $1; w = "" }')
[ "$sizes" = "16x16 32x32 48x48 64x64 " ] || fail "icon sizes: '$sizes'"

wmctrl -i -c "$window"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"

dpkg --remove sassorbi >/dev/null
dpkg --purge sassorbi >/dev/null
installed=false
[ ! -e /usr/games/sassorbi ] || fail "the launcher is still there after removal"
cmp -s "$scratch/scores" "$game_dir/Data/Sassorbi/Score/Classifica.txt" ||
    fail "the player's scores did not survive the removal"
[ -f "$game_dir/joystick.cfg" ] || fail "the player's settings did not survive the removal"
say "installed, played to the title, closed and removed; the player's files are kept"
