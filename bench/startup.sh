#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: how long Tintora takes from being started to its main window being mapped
# on the X server, and its resident memory, next to the floor, a bare Qt Widgets main window
# (bench/minimalwindow.cpp) built by the same project. Both run under one Xvfb, interleaved and
# alternating which goes first, after one discarded warm-up run each. The runs are spread over
# several X servers, one after the other: on a virtual machine one server's runs keep a ratio of
# their own (the same two builds gave 1.01 on one server and 1.16 on the next), so one server's
# figure says more about that server than about the program. Prints every run, each server's
# ratio, the medians over all runs and the ratios.
#
#   bench/startup.sh [RUNS [SERVERS]]   RUNS pairs on each of SERVERS servers, default 15 and 4
#
# Builds the bench preset first. Needs xvfb-run, xauth and Xlib (scripts/install-deps.sh bench).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
servers=${2:-4}
build=build/bench

if [ "${TINTORA_STARTUP_UNDER_XVFB:-}" != 1 ]; then
    cmake --preset bench >/dev/null
    CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} cmake --build --preset bench
    export TINTORA_STARTUP_UNDER_XVFB=1
    results=$(mktemp)
    trap 'rm -f "$results"' EXIT
    export TINTORA_STARTUP_RESULTS=$results
    printf '%-6s %-4s %12s %12s %14s %14s %16s %16s\n' server run minimal_ms tintora_ms \
        minimal_rss_kB tintora_rss_kB minimal_settled_kB tintora_settled_kB
    for ((server = 1; server <= servers; server++)); do
        # No window manager: a top-level window is mapped the moment the program shows it.
        TINTORA_STARTUP_SERVER=$server xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
            "$0" "$runs"
    done

    median() { # column [server]
        awk -v c="$1" -v s="${2:-}" 's == "" || $1 == s { print $c }' "$results" | sort -g \
            | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
    }
    m_ms=$(median 2) t_ms=$(median 3) m_rss=$(median 4) t_rss=$(median 5) m_set=$(median 6)
    t_set=$(median 7)
    printf '%-11s %12s %12s %14s %14s %16s %16s\n' median "$m_ms" "$t_ms" "$m_rss" "$t_rss" \
        "$m_set" "$t_set"
    for ((server = 1; server <= servers; server++)); do
        awk -v s="$server" -v m="$(median 2 "$server")" -v t="$(median 3 "$server")" \
            'BEGIN { printf "server %d: start-up to mapped %.2f (%s / %s ms)\n", s, t / m, t, m }'
    done
    awk -v mm="$m_ms" -v tm="$t_ms" -v mr="$m_rss" -v tr="$t_rss" -v ms="$m_set" -v ts="$t_set" \
        'function verdict(r) { return r <= 1.3 ? "within 1.3" : "ABOVE 1.3" }
         BEGIN {
            printf "ratio Tintora / minimal window: start-up to mapped %.2f (%s), ", tm / mm, verdict(tm / mm)
            printf "resident at map %.2f (%s), ", tr / mr, verdict(tr / mr)
            printf "resident settled %.2f (%s)\n", ts / ms, verdict(ts / ms)
         }'
    exit 0
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

for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        read -r m_ms m_rss m_set < <(measure "${minimal[@]}")
        read -r t_ms t_rss t_set < <(measure "${program[@]}")
    else
        read -r t_ms t_rss t_set < <(measure "${program[@]}")
        read -r m_ms m_rss m_set < <(measure "${minimal[@]}")
    fi
    printf '%-6s %-4s %12s %12s %14s %14s %16s %16s\n' "$TINTORA_STARTUP_SERVER" "$i" "$m_ms" \
        "$t_ms" "$m_rss" "$t_rss" "$m_set" "$t_set"
    echo "$TINTORA_STARTUP_SERVER $m_ms $t_ms $m_rss $t_rss $m_set $t_set" \
        >>"$TINTORA_STARTUP_RESULTS"
done
