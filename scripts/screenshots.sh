#!/usr/bin/env bash
# Takes pictures of the three pages and of the help window at 96 DPI under
# Wine's virtual desktop, into docs/screenshots/. With "win98", in a prefix
# that says it is Windows 98 (the program's 9x path), into build/shots-win98/.
source "$(dirname "$0")/preamble.sh"
need_packages "${WINE_PACKAGES[@]}" imagemagick
wine_setup
# A prefix of its own: the pictures need sample programs and drivers on C:\.
version="${1:-}"
wine_prefix "$PWD/build/wine-shots-$WIN_ARCH${version:+-$version}" "$version"
dir="build/wintest-$WIN_ARCH"
build_windows_tests "$WIN_ARCH" "$(build_for_wine)" corvane_screenshots
out="$PWD/build/shots${version:+-$version}"
rm -rf "$out" && mkdir -p "$out"
export WINE
with_display scripts/wine-session.sh "$WINE" "$dir/corvane_screenshots.exe" "Z:${out//\//\\}"
pictures=docs/screenshots
[ -n "$version" ] && pictures="$out"
mkdir -p "$pictures"
for f in "$out"/*.bmp; do
    convert "$f" "$pictures/$(basename "${f%.bmp}").png"
done
ls -l "$pictures"
