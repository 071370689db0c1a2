#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long fuzzing runs: builds the fuzz preset, then runs each fuzzer (or the ones named) for a
# given time from its committed seed corpus, with new inputs going to a scratch folder.
#   scripts/fuzz.sh [-t SECONDS] [-j PARALLEL] [-k] [NAME...]
#     -t  seconds per fuzzer (default 600)
#     -j  fuzzers run side by side (default 1)
#     -k  keep: merge the inputs that add coverage into fuzz/corpus/NAME afterwards
# Prints one line per fuzzer: inputs run, seconds, corpus size, and what it found. A finding
# (crash, leak, time-out) is left as a file in build/fuzz/findings/NAME/, and the script ends
# with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
parallel=1
keep=0
while getopts "t:j:k" option; do
    case $option in
    t) seconds=$OPTARG ;;
    j) parallel=$OPTARG ;;
    k) keep=1 ;;
    *) sed -n '3,11p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))

scripts/install-deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do names+=("$(basename "$dir")"); done
fi

out=build/fuzz/long
rm -rf "$out"
mkdir -p "$out" build/fuzz/findings

run_one() {
    local name=$1
    local binary=build/fuzz/fuzz/fuzz_$name
    local scratch=$out/$name findings=build/fuzz/findings/$name
    local options=(-max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1)
    # The window keeps Qt's caches from input to input; leaks are looked for once, at exit.
    [ "$name" = window ] && options+=(-detect_leaks=0)
    mkdir -p "$scratch" "$findings"
    QT_QPA_PLATFORM=offscreen \
        LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$binary" "${options[@]}" -artifact_prefix="$findings/" "$scratch" "fuzz/corpus/$name" \
        >"$out/$name.log" 2>&1 || true
    local runs time found
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log" | tail -n 1)
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$out/$name.log" | tail -n 1)
    found=$(find "$findings" -type f -printf '%f ' 2>/dev/null)
    printf '%-10s %12s inputs %6s s  corpus %5s new  findings: %s\n' "$name" "${runs:-?}" \
        "${time:-?}" "$(find "$scratch" -type f | wc -l)" "${found:-none}"
}

export -f run_one
export seconds out
printf '%s\n' "${names[@]}" | xargs -P "$parallel" -I{} bash -c 'run_one {}'

if [ "$keep" -eq 1 ]; then
    for name in "${names[@]}"; do
        before=$(find "fuzz/corpus/$name" -type f | wc -l)
        QT_QPA_PLATFORM=offscreen build/fuzz/fuzz/fuzz_"$name" -merge=1 -detect_leaks=0 \
            "fuzz/corpus/$name" "$out/$name" >"$out/$name.merge.log" 2>&1
        echo "$name: corpus $before -> $(find "fuzz/corpus/$name" -type f | wc -l) inputs"
    done
fi

[ -z "$(find build/fuzz/findings -type f)" ]
