#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the bench preset and runs every benchmark: the library
# benchmarks (headless, the memory one in a process of its own), then the start-up comparison
# under Xvfb. Arguments go to the library benchmarks, e.g.
#   scripts/bench.sh --benchmark_filter=ScrollStep --benchmark_repetitions=5
# The figures and how to read them: docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
cmake --workflow --preset bench

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
bench=build/bench/bench/tintora_bench
echo "== Memory of a loaded list"
"$bench" --benchmark_filter=BM_ListMemory
echo "== Library benchmarks"
"$bench" --benchmark_filter=-BM_ListMemory "$@"
echo "== The recovery copy"
build/bench/bench/recovery_bench "$@"
echo "== Picking from the screen, on a 3840 x 2160 Xvfb screen"
tests/session/run-x11.sh --screen 3840x2160x24 -- build/bench/bench/picker_bench
echo "== The command line, start to exit, with no window system (target 30 ms)"
build/bench/bench/cli_bench
echo "== Start-up"
bench/startup.sh
echo "== Start-up with and without a recovery copy"
bench/recoverystartup.sh
