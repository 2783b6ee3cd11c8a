#!/bin/sh
# Installs into a scratch prefix and starts the installed launcher as a user would, without a
# display: the per-user folder is filled with the data and receives the game's log.
set -eu
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
test -f "$scratch/prefix/share/applications/sassorbi.desktop"
status=0
env -u DISPLAY HOME="$scratch/home" XDG_DATA_HOME= "$scratch/prefix/bin/sassorbi" >/dev/null || status=$?
game_dir="$scratch/home/.local/share/sassorbi"
test "$status" -eq 1
test -f "$game_dir/Data/logo.bin"
test "$(cat "$game_dir/log.txt")" = "XOpenDisplay(0) failed."
echo "installed launcher runs the game in $game_dir"
