#!/bin/sh
# The files a desktop reads, as its own checkers read them: the desktop entry, the AppStream
# metadata (which must name the project's version as its latest release) and the manual page.
set -eu
source_dir=$1
build_dir=$2
version=$3
desktop-file-validate "$source_dir/dist/sassorbi.desktop"
grep -qx 'StartupWMClass=Sassorbi.exe' "$source_dir/dist/sassorbi.desktop"
grep -qx 'Icon=sassorbi' "$source_dir/dist/sassorbi.desktop"
metainfo="$build_dir/dist/org.example.sassorbi.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q "<release version=\"$version\"" "$metainfo"
# mandoc reports style faults too; groff's -ww warns about everything it can.
mandoc -T lint -W style "$build_dir/dist/sassorbi.6"
test -z "$(groff -ww -man -Tutf8 -z "$build_dir/dist/sassorbi.6" 2>&1)"
echo "desktop entry, metadata and manual page are valid"
