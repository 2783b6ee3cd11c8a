#!/bin/sh
# Installs into a scratch prefix and starts the installed launcher as a user would, without a
# display: the per-user folder is filled with the data and receives the game's log. A folder
# among the installed data (an earlier install took the scores of a game played in the build)
# is not the launcher's to copy, and does not stop it.
set -eu
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
test -f "$scratch/prefix/share/applications/sassorbi.desktop"
mkdir -p "$scratch/prefix/share/sassorbi/Data/Sassorbi/Score"
echo "00000050 old          Level 1" >"$scratch/prefix/share/sassorbi/Data/Sassorbi/Score/Classifica.txt"
status=0
env -u DISPLAY HOME="$scratch/home" XDG_DATA_HOME= "$scratch/prefix/bin/sassorbi" >/dev/null || status=$?
game_dir="$scratch/home/.local/share/sassorbi"
test "$status" -eq 1
test -f "$game_dir/Data/logo.bin"
test ! -e "$game_dir/Data/Sassorbi"
test "$(cat "$game_dir/log.txt")" = "XOpenDisplay(0) failed."
# Options reach the game through the launcher.
test "$(HOME="$scratch/home" XDG_DATA_HOME= "$scratch/prefix/bin/sassorbi" --version)" = "sassorbi $2"
echo "installed launcher runs the game in $game_dir"
