#!/usr/bin/env bash
# Takes pictures of the three pages and of the help window at 96 DPI under
# Wine's virtual desktop, into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine.sh
need_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" imagemagick
wine_setup
# A prefix of its own: the pictures need sample programs and drivers on C:\.
wine_prefix "$PWD/build/wine-shots-$WIN_ARCH"
dir="build/wintest-$WIN_ARCH"
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH="$WIN_ARCH" \
    -DCORVANE_MINGW_THREADS=posix -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$dir" -j"$(nproc)" --target corvane_screenshots
out="$PWD/build/shots"
rm -rf "$out" && mkdir -p "$out"
export WINE
with_display scripts/wine-session.sh "$WINE" "$dir/corvane_screenshots.exe" "Z:${out//\//\\}"
mkdir -p docs/screenshots
for f in "$out"/*.bmp; do
    convert "$f" "docs/screenshots/$(basename "${f%.bmp}").png"
done
ls -l docs/screenshots
