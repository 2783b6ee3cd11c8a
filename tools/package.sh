#!/usr/bin/env bash
# Builds the Debian package sassorbi_<version>_<arch>.deb from a Release build and prints its
# path. tools/package.sh [BUILD_DIR]: the build folder is made here when not given
# (build-package, Release, without the tests); one given must be a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

install_packages "${PACKAGE_PACKAGES[@]}"
build=${1:-build-package}
if [ -f "$build/CMakeCache.txt" ]; then
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
    if [ "$type" != Release ]; then
        say "$build is a $type build; the package is made from a Release build."
        exit 1
    fi
    build_project "$build" Release >&2
else
    build_project "$build" Release -DSASSORBI_TESTS=OFF >&2
fi
rm -f "$build"/sassorbi_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$PWD/$build"/sassorbi_*.deb 2>/dev/null || ls "$build"/sassorbi_*.deb
