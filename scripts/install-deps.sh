#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that are missing for building and running Tintora.
#   install-deps.sh          what the program needs to build and run
#   install-deps.sh test     ...and what the full test run needs (fuzzing, sanitizers)
#   install-deps.sh bench    ...and what the benchmarks need
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb-shm0-dev libfontconfig-dev qt6-wayland libgl-dev fonts-liberation fonts-dejavu-core qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n)
case "${1:-}" in
test) packages+=(clang libclang-rt-14-dev lld clang-format clang-tidy xvfb xauth x11-utils openbox at-spi2-core
                 dbus-daemon weston desktop-file-utils appstream shared-mime-info man-db dpkg-dev
                 lintian file) ;;
bench) packages+=(libbenchmark-dev xvfb xauth x11-utils) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
