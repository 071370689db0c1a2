#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: how long Tintora takes from being started to its main window being mapped
# on the X server, and its resident memory, next to the floor, a bare Qt Widgets main window
# (bench/minimalwindow.cpp) built by the same project. Both run under one Xvfb, interleaved and
# alternating which goes first, after one discarded warm-up run each. Prints every run, the
# medians and the ratios.
#
#   bench/startup.sh [RUNS]      RUNS pairs, default 15
#
# Builds the bench preset first. Needs xvfb-run, xauth and Xlib (scripts/install-deps.sh bench).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=build/bench

if [ "${TINTORA_STARTUP_UNDER_XVFB:-}" != 1 ]; then
    cmake --preset bench >/dev/null
    CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} cmake --build --preset bench
    export TINTORA_STARTUP_UNDER_XVFB=1
    # No window manager: a top-level window is mapped the moment the program shows it.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$runs"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
maptimer=$build/bench/maptimer
minimal=("Minimal window" "$build/bench/minimalwindow")
program=("TRA v 1.0" "$build/src/tintora")
settle_ms=700

# Prints: milliseconds to the map, resident kB at the map, resident kB after settle_ms more.
measure() {
    "$maptimer" --settle "$settle_ms" "$@"
}

measure "${minimal[@]}" >/dev/null
measure "${program[@]}" >/dev/null

results=$(mktemp)
trap 'rm -f "$results"' EXIT
printf '%-4s %12s %12s %14s %14s %16s %16s\n' run minimal_ms tintora_ms minimal_rss_kB \
    tintora_rss_kB minimal_settled_kB tintora_settled_kB
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        read -r m_ms m_rss m_set < <(measure "${minimal[@]}")
        read -r t_ms t_rss t_set < <(measure "${program[@]}")
    else
        read -r t_ms t_rss t_set < <(measure "${program[@]}")
        read -r m_ms m_rss m_set < <(measure "${minimal[@]}")
    fi
    printf '%-4s %12s %12s %14s %14s %16s %16s\n' "$i" "$m_ms" "$t_ms" "$m_rss" "$t_rss" \
        "$m_set" "$t_set"
    echo "$m_ms $t_ms $m_rss $t_rss $m_set $t_set" >>"$results"
done

median() { # column
    cut -d' ' -f"$1" "$results" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
m_ms=$(median 1) t_ms=$(median 2) m_rss=$(median 3) t_rss=$(median 4) m_set=$(median 5)
t_set=$(median 6)
printf '%-4s %12s %12s %14s %14s %16s %16s\n' median "$m_ms" "$t_ms" "$m_rss" "$t_rss" \
    "$m_set" "$t_set"
awk -v mm="$m_ms" -v tm="$t_ms" -v mr="$m_rss" -v tr="$t_rss" -v ms="$m_set" -v ts="$t_set" \
    'function verdict(r) { return r <= 1.3 ? "within 1.3" : "ABOVE 1.3" }
     BEGIN {
        printf "ratio Tintora / minimal window: start-up to mapped %.2f (%s), ", tm / mm, verdict(tm / mm)
        printf "resident at map %.2f (%s), ", tr / mr, verdict(tr / mr)
        printf "resident settled %.2f (%s)\n", ts / ms, verdict(ts / ms)
     }'
