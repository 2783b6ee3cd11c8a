#!/bin/sh
# Installs into a scratch prefix and starts the installed launcher as a user would, without a
# display: the per-user folder is filled with the data and receives the game's log. A folder
# among the installed data (an earlier install took the scores of a game played in the build)
# is not the launcher's to copy, and does not stop it. An upgrade reaches the player's copies
# whatever the dates of its files; a picture of the player's own stays until then.
set -eu
build_dir=$1
fail() { echo "install test: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A prefix and a home with blanks in their names.
prefix="$scratch/pre fix"
home="$scratch/my home"
data="$prefix/share/sassorbi/Data"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
test -f "$prefix/share/applications/sassorbi.desktop"
mkdir -p "$data/Sassorbi/Score"
echo "00000050 old          Level 1" >"$data/Sassorbi/Score/Classifica.txt"
launch() { env -u DISPLAY HOME="$home" XDG_DATA_HOME= "$prefix/bin/sassorbi" "$@"; }
status=0
launch >/dev/null || status=$?
game_dir="$home/.local/share/sassorbi"
test "$status" -eq 1 || fail "the game ended with $status"
test -f "$game_dir/Data/logo.bin" || fail "the data was not copied"
test ! -e "$game_dir/Data/Sassorbi" || fail "a folder of the installed data was copied"
test "$(cat "$game_dir/log.txt")" = "XOpenDisplay(0) failed."
# Options reach the game through the launcher.
test "$(launch --version)" = "sassorbi $2"

# An upgrade: the package's files carry the time they were built, which may well be before
# the player's last game, when the copies were made.
cp "$data/livello.bin" "$scratch/new-logo"
touch -d '2001-01-01' "$scratch/new-logo"
mv -f "$scratch/new-logo" "$data/logo.bin"
launch >/dev/null || true
cmp -s "$data/logo.bin" "$game_dir/Data/logo.bin" || fail "the upgraded picture did not reach the copy"

# The player's own picture in the place of a landmark stays while nothing new is installed.
printf 'mine' >"$game_dir/Data/sanmartino2.bin"
touch -d '2001-01-01' "$game_dir/Data/sanmartino2.bin"
launch >/dev/null || true
test "$(cat "$game_dir/Data/sanmartino2.bin")" = mine || fail "the player's own picture was replaced"

# A relative XDG_DATA_HOME is no base folder: the default under the home folder is used.
rm -rf "$game_dir"
(cd "$scratch" && env -u DISPLAY HOME="$home" XDG_DATA_HOME=relative "$prefix/bin/sassorbi" >/dev/null) || true
test -f "$game_dir/Data/logo.bin" || fail "a relative XDG_DATA_HOME was not ignored"
test ! -e "$scratch/relative" || fail "the game went into a relative XDG_DATA_HOME"

# Without HOME and XDG_DATA_HOME there is no folder of the player's: the launcher says so
# instead of making one at the root of the file system.
status=0
env -u DISPLAY -u HOME -u XDG_DATA_HOME "$prefix/bin/sassorbi" >/dev/null 2>"$scratch/err" || status=$?
test "$status" -eq 1 || fail "without HOME the launcher ended with $status"
grep -q 'HOME' "$scratch/err" || fail "without HOME the launcher said: $(cat "$scratch/err")"
echo "installed launcher runs the game in $game_dir"
