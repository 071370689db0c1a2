#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tintora and runs every test: the test suite in a normal
# build, then again under AddressSanitizer and UndefinedBehaviorSanitizer together with a short
# run of each fuzzer (one clang tree builds both), then the checks of the installed files and of
# the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says how long it took, so that a slow loop shows where its time goes.
timings=()
step() {
    local start=$SECONDS
    "$@"
    timings+=("$(printf '%5d s  %s' $((SECONDS - start)) "$*")")
}
step scripts/install-deps.sh test
step cmake --workflow --preset test
step cmake --workflow --preset sanitize
step scripts/check-install.sh
echo "== Time of each step"
printf '%s\n' "${timings[@]}"
