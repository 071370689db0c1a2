#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a user installs: builds the package preset, installs into a temporary prefix and
# compares the file list, runs the desktop file, AppStream and manual page through their own
# checkers, checks that the program is stripped, then builds the Debian package and runs
# lintian on it. Needs what `install-deps.sh test` installs.
set -euo pipefail
cd "$(dirname "$0")/.."

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "check-install.sh: $*" >&2
    exit 1
}

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
cmake --preset package >/dev/null
cmake --build --preset package

echo "== Install into a temporary prefix"
prefix="$tmp/prefix"
cmake --install build/package --prefix "$prefix" >/dev/null
id=org.tintora.Tintora
expected=(
    bin/tintora
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/tintora.1.gz
    share/doc/tintora/copyright
    share/doc/tintora/changelog.gz
)
for size in 16 24 32 48 64 128 256 512; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) \
    || fail "the installed files differ from the expected list (- expected, + installed)"

file -b "$prefix/bin/tintora" | grep -q ', stripped' || fail "the installed program is not stripped"

echo "== desktop-file-validate"
# Hints are advice only; Tintora belongs to both Graphics and Development on purpose.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) \
    || fail "desktop-file-validate: $out"
if grep -v ': hint: ' <<<"$out" | grep -q .; then fail "desktop-file-validate: $out"; fi

echo "== appstreamcli validate"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
# The desktop file the metadata launches, and the icon it names, are the installed ones.
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata does not launch $id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop file names another icon"

echo "== man -l"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l "$prefix/share/man/man1/tintora.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

echo "== Debian package"
rm -f build/package/*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/tintora_*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "dpkg-shlibdeps found no Qt dependency"
dpkg-deb --contents "$deb"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "check-install.sh: all checks passed ($deb)"
