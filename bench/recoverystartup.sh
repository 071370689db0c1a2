#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up with and without a recovery copy: milliseconds from the start to the main window
# being mapped with no copy in the state folder, and with a copy of 100,000 and 1,000,000
# entries left behind, and then to the question about it being mapped. Medians of RUNS each.
#
#   bench/recoverystartup.sh [RUNS]      default 9
#
# Needs the bench preset built (scripts/bench.sh builds it) and xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=build/bench

if [ "${TINTORA_STARTUP_UNDER_XVFB:-}" != 1 ]; then
    export TINTORA_STARTUP_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$runs"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
export XDG_STATE_HOME=$state
maptimer=$build/bench/maptimer
program=$build/src/tintora

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Milliseconds to the map of the window with the given title, RUNS times, with the state folder
# made by the command before each run.
times() { # title prepare...
    local title=$1
    shift
    "$@"
    "$maptimer" --settle 0 "$title" "$program" >/dev/null # warm-up
    for ((i = 1; i <= runs; i++)); do
        "$@"
        "$maptimer" --settle 0 "$title" "$program" | cut -d' ' -f1
    done | median
}

nothing() { rm -rf "$state/tintora"; }
copy() { nothing; "$build/bench/recoverycopymaker" "$state/tintora" "$1"; }

printf '%-34s %10s\n' case median_ms
printf '%-34s %10s\n' "no copy: window" "$(times "TRA v 1.0" nothing)"
for n in 100000 1000000; do
    printf '%-34s %10s\n' "copy of $n: window" "$(times "TRA v 1.0" copy "$n")"
    printf '%-34s %10s\n' "copy of $n: question" "$(times "Confirm" copy "$n")"
done
