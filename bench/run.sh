#!/usr/bin/env bash
# Prints the benchmark figures: the version reader natively, then start-up
# and the 100,000-program folder under Wine in a prefix of their own.
source "$(dirname "$0")/../scripts/preamble.sh"
need_packages "${NATIVE_PACKAGES[@]}" "${WINE_PACKAGES[@]}"

echo "== Version of a 50 MiB PE file"
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$(nproc)" --target corvane_bench_version >/dev/null
build/bench/bench/corvane_bench_version

echo "== Under Wine"
wine_setup
# A prefix of its own: the benchmarks fill C:\ with thousands of entries.
wine_prefix "$PWD/build/wine-bench-$WIN_ARCH"
# Thousands of files are made from this side: through Wine each new name
# costs a look through the whole folder.
c="$WINEPREFIX/drive_c"
if [ ! -e "$c/corvane-bench-populated" ]; then
    echo "Filling C:\ with 5,000 folders and 5,000 programs, the system folder with 5,000 files"
    mkdir -p "$c/windows/system"
    for i in $(seq 0 4999); do
        mkdir -p "$c/folder$i"
        : > "$c/game$i.exe"
        if [ $((i % 10)) -eq 0 ]; then : > "$c/windows/system/file$i.drv"; else : > "$c/windows/system/file$i.dll"; fi
    done
    : > "$c/corvane-bench-populated"
fi
if [ ! -e "$c/corvane-100k/program99999.exe" ]; then
    echo "Making a folder of 100,000 programs"
    mkdir -p "$c/corvane-100k"
    (cd "$c/corvane-100k" && seq -f 'program%.0f.exe' 0 99999 | xargs touch)
fi
dir="build/benchwin-$WIN_ARCH"
configure_windows "$dir" "$WIN_ARCH" posix Release
cmake --build "$dir" -j"$(nproc)" --target corvane_bench_bare corvane_bench_bare_themed corvane_bench_startup corvane_bench_listing >/dev/null
# Start-up is timed on corvane.exe as it ships (win32 threads, built for size),
# for the architecture this Wine runs.
exe=$(build_for_wine)
export WINE
with_display scripts/wine-session.sh bash -c "
    '$WINE' '$dir/corvane_bench_startup.exe' '$exe' '$dir/corvane_bench_bare.exe' '$dir/corvane_bench_bare_themed.exe'
    '$WINE' '$dir/corvane_bench_listing.exe'"
