# Shared by play.sh and test.sh: installs missing Debian packages and builds the project.
# Sourced, not run.

# Packages the game needs to build and run.
PLAY_PACKAGES=(cmake g++ make libx11-dev libxext-dev libxrender-dev xfonts-base alsa-utils
               libcairo2-dev)
# And what making the Debian package needs besides (tools/package.sh).
PACKAGE_PACKAGES=("${PLAY_PACKAGES[@]}" dpkg-dev file)
# And what the tests need besides: a virtual X server with fonts, XTest, a window manager,
# screenshots and sound tools, clang with libFuzzer's runtime for the fuzz targets,
# valgrind and xrestop for the leak check and the soak run, and the checkers of the package,
# the desktop entry, the metadata and the manual page.
TEST_PACKAGES=("${PACKAGE_PACKAGES[@]}" xvfb xauth libxtst-dev x11-utils x11-apps imagemagick
               xdotool openbox wmctrl jackd2 libasound2-plugins libgtest-dev clang
               libclang-rt-14-dev valgrind xrestop procps
               lintian desktop-file-utils appstream mandoc groff-base)

say() { printf '%s\n' "$*" >&2; }

missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s ' "$package"
        fi
    done
}

# Installs what is missing: directly as root, through sudo otherwise; nothing when all is there.
install_packages() {
    if ! command -v dpkg-query >/dev/null; then
        say "This machine has no dpkg: install these packages by hand: $*"
        return 0
    fi
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    local run=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            say "Missing packages: $missing"
            say "Install them as root: apt-get install $missing"
            exit 1
        fi
        run=(sudo)
    fi
    say "Installing: $missing"
    # shellcheck disable=SC2086
    "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        "${run[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends $missing >/dev/null ||
        { say "Installing the packages failed: $missing"; exit 1; }
}

# build_project DIR BUILD_TYPE [CMAKE_OPTIONS...]
build_project() {
    local dir=$1 type=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
