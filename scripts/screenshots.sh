#!/usr/bin/env bash
# Takes pictures of the three pages and of the help window at 96 DPI under
# Wine's virtual desktop, into docs/screenshots/. With "win98", in a prefix
# that says it is Windows 98 (the program's 9x path), into build/shots-win98/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine.sh
source scripts/build-windows.sh
need_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" imagemagick
wine_setup
# A prefix of its own: the pictures need sample programs and drivers on C:\.
version="${1:-}"
wine_prefix "$PWD/build/wine-shots-$WIN_ARCH${version:+-$version}" "$version"
dir="build/wintest-$WIN_ARCH"
program=$(build_for_wine)
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH="$WIN_ARCH" \
    -DCORVANE_MINGW_THREADS=posix -DCMAKE_BUILD_TYPE=Debug -DCORVANE_PROGRAM="$program" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target corvane_screenshots
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
