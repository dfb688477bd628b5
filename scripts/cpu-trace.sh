# Runs corvane.exe as shipped under QEMU's i386 user-mode emulation, with
# Wine's 32-bit loader in its own process, from start-up through its three
# pages and the help window to "E&xit", and checks that every instruction it
# executed in its own code belongs to the 80486's set. Sourced; expects
# wine.sh's set-up (a 32-bit prefix, or a WoW64 one with emulation.sh's
# entry), the Windows tests and the native build's checker. Where the
# emulator can't be had or can't start Wine, it says so and fails (see
# no_emulator).
cpu_trace() {
    local exe="$1" map="$2" tests="$3" checker="$4"
    command -v qemu-i386 >/dev/null 2>&1 || need_packages qemu-user || true
    command -v qemu-i386 >/dev/null 2>&1 || { no_emulator "qemu-user could not be installed"; return; }
    # The code section's range: the emulator logs only what runs there.
    local size vma range
    read -r size vma < <(i686-w64-mingw32-objdump -h "$exe" | awk '$2 == ".text" { print $3, $4 }')
    range=$(printf '0x%x..0x%x' $((16#$vma)) $((16#$vma + 16#$size - 1)))
    local trace="$PWD/build/cpu-trace.log" addresses="$PWD/build/cpu-trace-addresses.txt"
    rm -f "$trace" "$addresses"
    echo "Starting corvane.exe under qemu-i386 (code at $range); start-up takes a minute or two"
    CORVANE_CPU_TRACE=1 CORVANE_PATIENCE=60 with_display scripts/wine-session.sh bash -c '
        WINELOADERNOEXEC=1 qemu-i386 -cpu max -d in_asm -dfilter "$1" -D "$2" /usr/lib/wine/wine "$3" >/dev/null 2>&1 &
        emulated=$!
        "$WINE" "$4" --gtest_filter="CpuTraceUnderWine.*"
        status=$?
        kill $emulated 2>/dev/null
        wait $emulated 2>/dev/null
        exit $status' cpu-trace "$range" "$trace" "$exe" "$tests" >build/cpu-trace-run.txt 2>&1 || true
    if [ ! -s "$trace" ]; then
        no_emulator "qemu-i386 could not start Wine here (no instruction was traced)"
        return
    fi
    if ! tests_pass build/cpu-trace-test.txt cat build/cpu-trace-run.txt; then
        echo "FAILED: the program did not start, show its pages and end under the emulator"
        return 1
    fi
    # "0x00401000:  55    pushl %ebp"; a long instruction's last bytes go on
    # a line of their own, which is no instruction.
    grep -E '^0x[0-9a-f]+:  ([0-9a-f]{2} )*[0-9a-f]{2}  +[a-z]' "$trace" | cut -d: -f1 | sort -u > "$addresses"
    "$checker" "$exe" "$map" "$addresses"
}
