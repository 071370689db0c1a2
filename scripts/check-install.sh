#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a user installs: builds the package preset, installs into a temporary prefix and
# compares the file list, runs the desktop file (with its action), AppStream, the MIME package
# and manual page through their own checkers, checks that the program is stripped, then builds the Debian package and runs
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
    "share/mime/packages/$id.xml"
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
cmake -DPROGRAM="$prefix/bin/tintora" -P tests/check_search_path.cmake \
    || fail "the installed program has a library search path of its own"

echo "== desktop-file-validate"
# Hints are advice only; Tintora belongs to both Graphics and Development on purpose.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) \
    || fail "desktop-file-validate: $out"
if grep -v ': hint: ' <<<"$out" | grep -q .; then fail "desktop-file-validate: $out"; fi

# The action desktops offer in the launcher and bind to keys, and the files the program opens.
grep -qx "Actions=PickColor;" "$prefix/share/applications/$id.desktop" || fail "the desktop file offers no action"
sed -n '/^\[Desktop Action PickColor\]/,/^\[/p' "$prefix/share/applications/$id.desktop" \
    | grep -qx "Exec=tintora --pick --copy" || fail "the action Pick a Color does not run tintora --pick --copy"
grep -qx "Exec=tintora %F" "$prefix/share/applications/$id.desktop" || fail "the desktop file opens no files"

echo "== update-mime-database"
out=$(update-mime-database -V "$prefix/share/mime" 2>&1) || fail "update-mime-database: $out"
if grep -qi "invalid\|unknown\|error" <<<"$out"; then fail "update-mime-database: $out"; fi
# Every type the desktop file opens is one the database now knows.
for type in $(sed -n 's/^MimeType=//p' "$prefix/share/applications/$id.desktop" | tr ';' ' '); do
    grep -q "^$type\$" "$prefix/share/mime/types" || fail "the MIME package does not define $type"
done
samples="$tmp/samples"
mkdir -p "$samples"
printf 'Sea green\r\nSky\r\n' >"$samples/list.clr"
printf '#2E8B57\r\n#87CEEB\r\n' >"$samples/list.hex"
printf 'GIMP Palette\nName: Sea\n' >"$samples/sea.gpl"
printf ';paint.net Palette File\r\nFF2E8B57\r\n' >"$samples/sea.txt"
printf ':10010000214601360121470136007EFE09D2190140\r\n' >"$samples/boot.hex"
expect_types=(
    "list.clr application/x-tintora-color-list"
    "list.hex application/x-tintora-color-values"
    "sea.gpl application/x-gimp-palette"
    "sea.txt application/x-paintnet-palette"
    "boot.hex text/plain"
)
query=()
if command -v xdg-mime >/dev/null; then
    query=(xdg-mime query filetype)
elif command -v gio >/dev/null; then
    query=(gio-type)
fi
gio-type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
if [ ${#query[@]} -gt 0 ]; then
    for expectation in "${expect_types[@]}"; do
        read -r name type <<<"$expectation"
        got=$(XDG_DATA_DIRS="$prefix/share:/usr/share" "${query[@]}" "$samples/$name")
        [ "$got" = "$type" ] || fail "$name is $got to ${query[0]}, not $type"
    done
else
    echo "(neither xdg-mime nor gio is installed: the sample files are not queried)"
fi

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
