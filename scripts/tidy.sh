#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the families in .clang-tidy) over the core library's sources and fails on any
# finding. Needs a configured build with compile_commands.json (default: build/test).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
# The build's precompiled headers are GCC's, which clang cannot read: clang-tidy gets the same
# commands without them (every source includes what it uses).
database=$build/tidy
mkdir -p "$database"
sed -e 's/-include [^ ]*cmake_pch\.hxx//g' -e 's/-Winvalid-pch//g' \
    "$build/compile_commands.json" >"$database/compile_commands.json"
status=0
git ls-files 'src/core/*.cpp' 'src/color/*.cpp' 'src/lists/*.cpp' 'src/palettes/*.cpp' \
        'src/cli/*.cpp' \
    | xargs -P "$(nproc)" -n 2 clang-tidy -p "$database" --quiet --warnings-as-errors='*' \
    || status=$?
exit "$status"
