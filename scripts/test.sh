#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tintora and runs every test: the test suite in a normal
# build and again under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each
# fuzzer, then the checks of the installed files and of the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --workflow --preset test
cmake --workflow --preset sanitize
if [ -f fuzz/CMakeLists.txt ]; then
    cmake --workflow --preset fuzz
fi
scripts/check-install.sh
