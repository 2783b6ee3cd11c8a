#!/usr/bin/env bash
# Installs what the tests need, builds the project twice (plain, and with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs the whole suite on each, on a virtual X server
# of its own unless DISPLAY names one. Exits 0 only when everything passed.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

started=()
stop_started() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap stop_started EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
    started+=($!)
    local tries
    for tries in $(seq 100); do
        [ -s "$number_file" ] && break
        sleep 0.1
    done
    [ -s "$number_file" ] || { say "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$number_file")"
    rm -f "$number_file"
    say "Virtual X server on $DISPLAY"
}

run_suite() {
    local dir=$1
    say "== tests in $dir"
    (cd "$dir" && ctest --output-on-failure -j "$(nproc)")
}

install_packages "${TEST_PACKAGES[@]}"
[ -n "${DISPLAY:-}" ] || start_xvfb

build_project build Release -DSASSORBI_WERROR=ON
build_project build-sanitize Debug -DSASSORBI_SANITIZE=ON -DSASSORBI_WERROR=ON

# Every fuzz target for about 20 seconds, after its kept crash inputs (fuzz/run.sh).
run_fuzzers() {
    say "== fuzz targets"
    fuzz/run.sh 20
}

# The end-to-end game test once more, the game running under valgrind's memcheck: any error
# or a block definitely lost makes the game end with status 99, which fails the test.
run_leak_check() {
    say "== leak check: the end-to-end game under valgrind"
    (cd build && SASSORBI_GAME_WRAPPER="valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=99 --quiet" \
        ctest --output-on-failure -R GameEndToEndTest)
}

# Two minutes of random play, watching memory, descriptors, children and X resources.
run_soak() {
    say "== soak: two minutes of random play"
    tools/soak.sh 2 build
}

# The Debian package built from the Release build, installed, started and removed again.
run_package_test() {
    say "== the Debian package"
    tests/dist/package_test.sh build
}

# A minute of random input for the gallery and one for the game, under the sanitizers.
run_monkey() {
    say "== monkey: random input to the gallery and the game"
    tools/monkey.sh 1 build-sanitize
}

status=0
run_suite build || status=1
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_suite build-sanitize || status=1
run_fuzzers || status=1
run_leak_check || status=1
run_soak || status=1
run_package_test || status=1
run_monkey || status=1
if [ "$status" -eq 0 ]; then say "All tests passed."; else say "Some tests FAILED."; fi
exit "$status"
