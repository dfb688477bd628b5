#!/usr/bin/env bash
# Prints the benchmark figures: the version reader natively, then start-up
# and the 100,000-program folder under Wine in a prefix of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine.sh
need_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

echo "== Version of a 50 MiB PE file"
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$(nproc)" --target corvane_bench_version >/dev/null
build/bench/bench/corvane_bench_version

echo "== Under Wine"
wine_setup
# A prefix of its own: the benchmarks fill C:\ with thousands of entries.
export WINEPREFIX="$PWD/build/wine-bench-$WIN_ARCH"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
dir="build/benchwin-$WIN_ARCH"
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH="$WIN_ARCH" \
    -DCORVANE_MINGW_THREADS=posix -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j"$(nproc)" --target corvane corvane_bench_bare corvane_bench_startup corvane_bench_listing >/dev/null
export WINE
with_display scripts/wine-session.sh bash -c "
    '$WINE' '$dir/corvane_bench_startup.exe' '$dir/corvane.exe' '$dir/corvane_bench_bare.exe'
    '$WINE' '$dir/corvane_bench_listing.exe'"
