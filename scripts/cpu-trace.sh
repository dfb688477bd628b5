# Runs corvane.exe as shipped under QEMU's i386 user-mode emulation, with
# Wine's loader in its own process, from start-up until its window is shown
# and closed, and checks that every instruction it executed in its own code
# belongs to the 80486's set. Sourced; expects wine.sh's set-up and the
# native build's checker. Where the emulator can't be had or can't start
# Wine, it says so and skips.
cpu_trace() {
    local exe="$1" map="$2" tests="$3" checker="$4"
    if [ "$WIN_ARCH" != i686 ]; then
        echo "SKIPPED: this kernel runs no 32-bit programs, so Wine's 32-bit loader can't be emulated here"
        return 0
    fi
    if ! command -v qemu-i386 >/dev/null 2>&1; then
        need_packages qemu-user || true
    fi
    if ! command -v qemu-i386 >/dev/null 2>&1; then
        echo "SKIPPED: qemu-user could not be installed"
        return 0
    fi
    # The code section's range: the emulator logs only what runs there.
    local size vma range
    read -r size vma < <(i686-w64-mingw32-objdump -h "$exe" | awk '$2 == ".text" { print $3, $4 }')
    range=$(printf '0x%x..0x%x' $((16#$vma)) $((16#$vma + 16#$size - 1)))
    local trace="$PWD/build/cpu-trace.log" addresses="$PWD/build/cpu-trace-addresses.txt"
    rm -f "$trace" "$addresses"
    echo "Starting corvane.exe under qemu-i386 (code at $range); start-up takes a minute or more"
    CORVANE_CPU_TRACE=1 with_display scripts/wine-session.sh bash -c '
        WINELOADERNOEXEC=1 qemu-i386 -cpu max -d in_asm -dfilter "$1" -D "$2" /usr/lib/wine/wine "$3" >/dev/null 2>&1 &
        emulated=$!
        "$WINE" "$4" --gtest_filter="CpuTraceUnderWine.*"
        status=$?
        kill $emulated 2>/dev/null
        wait $emulated 2>/dev/null
        exit $status' cpu-trace "$range" "$trace" "$exe" "$tests" | tee build/cpu-trace-test.txt
    if ! grep -q '^\[  PASSED  \] 1 test' build/cpu-trace-test.txt || [ ! -s "$trace" ]; then
        if [ ! -s "$trace" ]; then
            echo "SKIPPED: qemu-i386 could not start Wine here (no instruction was traced)"
            return 0
        fi
        echo "FAILED: the program did not start and end under the emulator"
        return 1
    fi
    # "0x00401000:  55    pushl %ebp"; a long instruction's last bytes go on
    # a line of their own, which is no instruction.
    grep -E '^0x[0-9a-f]+:  ([0-9a-f]{2} )*[0-9a-f]{2}  +[a-z]' "$trace" | cut -d: -f1 | sort -u > "$addresses"
    "$checker" "$exe" "$map" "$addresses"
}
