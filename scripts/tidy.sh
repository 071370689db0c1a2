#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the families in .clang-tidy) over the core library's sources and fails on any
# finding. Needs a configured build with compile_commands.json (default: build/test).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
status=0
git ls-files 'src/core/*.cpp' 'src/color/*.cpp' 'src/lists/*.cpp' \
    | xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
    || status=$?
exit "$status"
