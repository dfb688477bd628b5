#!/usr/bin/env bash
# Builds Corvane and runs every test, from nothing, on Debian or Ubuntu.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine.sh
source scripts/build-windows.sh
source scripts/fuzz.sh
source scripts/cpu-trace.sh
source scripts/full-disk.sh
need_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
jobs=$(nproc)

echo "== The shipped program: 32-bit, static, Windows 98 and later"
build_shipped

echo "== Native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/native -DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
    -DCORVANE_SHIPPED_EXE="$PWD/build/win/corvane.exe" >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"
echo "== The fault sweep's figures"
build/native/tests/corvane_tests --gtest_filter='FaultSweep.*' | grep -E 'swept|cut after'

echo "== Fuzzing the version-resource reader for 20 seconds"
run_fuzzer 20

echo "== Windows tests under Wine, on corvane.exe as shipped (built for this Wine)"
wine_setup
program=$(build_for_wine)
cmake -S . -B "build/wintest-$WIN_ARCH" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake \
    -DCORVANE_MINGW_ARCH="$WIN_ARCH" -DCORVANE_MINGW_THREADS=posix -DCMAKE_BUILD_TYPE=Debug \
    -DCORVANE_PROGRAM="$program" >/dev/null
cmake --build "build/wintest-$WIN_ARCH" -j"$jobs"
if [ "$WIN_ARCH" != i686 ]; then
    echo "== The 32-bit Windows tests, built but not run: this kernel can't run them"
    cmake -S . -B build/wintest-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake \
        -DCORVANE_MINGW_ARCH=i686 -DCORVANE_MINGW_THREADS=posix -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build/wintest-i686 -j"$jobs"
fi
export WINE
with_display scripts/wine-session.sh ctest --test-dir "build/wintest-$WIN_ARCH" --output-on-failure

echo "== The same Windows tests where Wine says it is Windows 98: the program's 9x path"
wine_prefix "$PWD/build/wine-$WIN_ARCH-win98" win98
with_display scripts/wine-session.sh ctest --test-dir "build/wintest-$WIN_ARCH" --output-on-failure

echo "== What the program calls on its 9x path, from Wine's relay trace"
# The program as shipped (for this Wine's architecture); the trace goes to
# the test program's standard error, which Wine hands on.
trace="$PWD/build/relay-trace.txt"
CORVANE_RELAY_TRACE="Z:$trace" CORVANE_TRACED_EXE="Z:$program" with_display scripts/wine-session.sh \
    "$WINE" "build/wintest-$WIN_ARCH/corvane_win32_tests.exe" --gtest_filter='NineXPath.*' 2>"$trace" |
    tee build/relay-test.txt
grep -q '^\[  PASSED  \] 1 test' build/relay-test.txt
rm -f "$trace"

echo "== Names in a double-byte ANSI code page (932), on the NT and the 9x path"
# Wine takes its code page from the locale, which is made here for this
# build alone.
[ -d build/locale/ja_JP.UTF-8 ] || { mkdir -p build/locale && localedef -i ja_JP -f UTF-8 build/locale/ja_JP.UTF-8; }
for prefix in "build/wine-$WIN_ARCH" "build/wine-$WIN_ARCH-win98"; do
    wine_prefix "$PWD/$prefix"
    (
        export LOCPATH="$PWD/build/locale"
        export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
        with_display scripts/wine-session.sh "$WINE" "build/wintest-$WIN_ARCH/corvane_win32_tests.exe" \
            --gtest_filter='CodePage932UnderWine.*'
    ) | tee build/cp932-test.txt
    grep -q '^\[  PASSED  \] 1 test' build/cp932-test.txt
done

echo "== \"&Make\" on a full disk under Wine"
wine_prefix "$PWD/build/wine-$WIN_ARCH"
full_disk "build/wintest-$WIN_ARCH/corvane_win32_tests.exe"

echo "== The instructions corvane.exe executes from start-up to its end, under an i386 emulator"
wine_prefix "$PWD/build/wine-$WIN_ARCH"
cpu_trace "$PWD/build/win/corvane.exe" "$PWD/build/win/corvane.map" "build/wintest-$WIN_ARCH/corvane_win32_tests.exe" \
    build/native/tests/corvane_cpu_check
