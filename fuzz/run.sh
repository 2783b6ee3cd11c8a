#!/usr/bin/env bash
# fuzz/run.sh SECONDS [TARGET...]: builds the fuzz targets with clang in build-fuzz/, replays
# the crash inputs kept in fuzz/regressions/<target>/, then fuzzes each target (all when none
# is named) for SECONDS, two at a time, on its corpus in build-fuzz/corpus/<target>/.
# Exits non-zero on any crash, leak, time-out or broken property; what the fuzzer found is
# kept in build-fuzz/artifacts/<target>/, its output in build-fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(bmp picture text_lines joystick_config score_table joystick_reader)
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
# Another folder may be named, e.g. for trying changes. Absolute: the targets change their
# working directory, and must still find their corpus and leave their findings here.
build=$(realpath -m "${SASSORBI_FUZZ_BUILD:-build-fuzz}")

say() { printf '%s\n' "$*" >&2; }

# The longest input worth trying: a few BMP rows or table lines more than the seeds hold.
max_len() {
    case $1 in
        bmp | picture) echo 8192 ;;
        *) echo 4096 ;;
    esac
}

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSASSORBI_FUZZ=ON -DSASSORBI_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"
fuzz/make_corpus.sh "$build/corpus"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
status=0

# Each kept input is run once; any report fails the run.
for target in "${targets[@]}"; do
    kept=(fuzz/regressions/"$target"/*)
    [ -e "${kept[0]}" ] || continue
    say "== $target: ${#kept[@]} regression inputs"
    "$build/fuzz/fuzz_$target" "${kept[@]}" >"$build/regressions-$target.log" 2>&1 ||
        { tail -n 40 "$build/regressions-$target.log" >&2; status=1; }
done

fuzz_one() {
    local target=$1
    mkdir -p "$build/artifacts/$target" "$build/logs"
    "$build/fuzz/fuzz_$target" "$build/corpus/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -detect_leaks=1 -max_len="$(max_len "$target")" \
        -artifact_prefix="$build/artifacts/$target/" -print_final_stats=1 \
        >"$build/logs/$target.log" 2>&1
}

# Reports a finished target: executions and coverage, or the end of its log when it failed.
report() {
    local target=$1 result=$2 log="$build/logs/$1.log"
    local runs cov
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    if [ "$result" -eq 0 ]; then
        say "== $target: ${runs:-?} executions, ${cov:-no coverage line}"
    else
        say "== $target FAILED (exit $result); input kept in $build/artifacts/$target/"
        tail -n 60 "$log" >&2
        status=1
    fi
}

# Two at a time: the machines have two cores.
jobs=$(nproc)
[ "$jobs" -le 2 ] || jobs=2
running=()
for target in "${targets[@]}"; do
    fuzz_one "$target" &
    running+=("$!:$target")
    if [ ${#running[@]} -ge "$jobs" ]; then
        entry=${running[0]}
        running=("${running[@]:1}")
        result=0
        wait "${entry%%:*}" || result=$?
        report "${entry#*:}" "$result"
    fi
done
for entry in "${running[@]}"; do
    result=0
    wait "${entry%%:*}" || result=$?
    report "${entry#*:}" "$result"
done
exit "$status"
