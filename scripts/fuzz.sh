#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each one for
# SECONDS (default 30) from its seed corpus, with the input length of its
# fuzz/<target>.options. Prints per target the executions and the coverage
# (cov/ft) after the first second and at the end. Fails when a target
# crashes or its coverage did not grow past the first second's.
#   scripts/fuzz.sh [SECONDS]
# Set FUZZ_TARGETS="fuzz_sfc_header fuzz_sms_header" to run only those.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-30}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds < 2)); then
    echo "usage: scripts/fuzz.sh [SECONDS]  (2 or more)" >&2
    exit 2
fi

bash scripts/deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUORVEL_FUZZ=ON -DQUORVEL_GUI=OFF -DQUORVEL_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 10 cmake --build build-fuzz -j"$(nproc)"

# libFuzzer adds what it finds to its corpus folder: it works on a copy, so
# the seeds in the repository stay as the script in tools/ made them.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
crashes=$root/build-fuzz/crashes
mkdir -p "$crashes"

# The last "cov: N ft: M" of a timestamped log, up to time `until` (empty:
# to the end), as "N/M".
coverage_at() {
    awk -v until="$2" -F '\t' '
        until != "" && $1 + 0 > until + 0 { exit }
        match($0, /cov: [0-9]+ ft: [0-9]+/) {
            split(substr($0, RSTART, RLENGTH), w, " ")
            last = w[2] "/" w[4]
        }
        END { print (last == "" ? "0/0" : last) }' "$1"
}

if [[ -n ${FUZZ_TARGETS:-} ]]; then
    read -r -a targets <<<"$FUZZ_TARGETS"
else
    targets=()
    for src in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$src" .cpp)")
    done
fi

failed=0
printf '%-20s %12s %14s %14s\n' target executions "cov/ft at 1 s" "cov/ft at end"
for name in "${targets[@]}"; do
    options=fuzz/$name.options
    seeds=fuzz/corpus/$name
    if [[ ! -f $options || ! -d $seeds ]]; then
        echo "$name: $options or $seeds is missing (python3 tools/make_fuzz_corpus.py makes the seeds)" >&2
        failed=1
        continue
    fi
    max_len=$(sed -n 's/^max_len *= *\([0-9]*\).*/\1/p' "$options")
    mkdir -p "$work/$name"
    cp "$seeds"/* "$work/$name/"
    log=$work/$name.log

    # Each output line gets the time it was printed, to tell the coverage
    # of the first second from the end's.
    start=$EPOCHREALTIME
    set +e
    (cd "$work" && nice -n 10 "$root/build-fuzz/$name" -max_len="$max_len" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$crashes/$name-" "$work/$name" 2>&1) |
        while IFS= read -r line; do printf '%s\t%s\n' "$EPOCHREALTIME" "$line"; done >"$log"
    status=${PIPESTATUS[0]}
    set -e

    first=$(coverage_at "$log" "$(awk -v s="$start" 'BEGIN { printf "%.6f", s + 1 }')")
    last=$(coverage_at "$log" "")
    runs=$(sed -n 's/.*stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    printf '%-20s %12s %14s %14s\n' "$name" "${runs:-?}" "$first" "$last"

    if ((status != 0)); then
        echo "$name crashed (exit $status); the input is in $crashes. The end of its log:" >&2
        cut -f 2- "$log" | tail -n 40 >&2
        failed=1
    elif [[ ${last%/*} -le ${first%/*} && ${last#*/} -le ${first#*/} ]]; then
        echo "$name: no coverage past the first second's ($first)" >&2
        failed=1
    fi
done
exit "$failed"
