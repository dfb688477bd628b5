#!/usr/bin/env bash
# Builds Corvane and runs every test, from nothing, on Debian or Ubuntu.
#
#   bash scripts/test.sh               every stage, in the order below
#   bash scripts/test.sh wine relay    only the stages named; each installs
#                                      and builds what it needs first
#   bash scripts/test.sh native -- --gtest_filter='Make.*'
#                                      what follows "--" goes to the test
#                                      program of the native, wine and win98
#                                      stages, in place of the whole run
#
# Each stage prints how long it took, and a table of all of them ends the
# run. A stage passes only when every test it exists for ran and passed.
# Stages: shipped native dos fuzz wine win98 win95 nt40 relay cp932 fulldisk
# i686 cputrace release.
source "$(dirname "$0")/preamble.sh"

ALL_STAGES=(shipped native dos fuzz wine win98 win95 nt40 relay cp932 fulldisk i686 cputrace release)
jobs=$(nproc)

# What only the shipped exe can show where the Wine stages ran the x86_64
# build of the same code: under the emulator it starts and shows its pages,
# makes the worked example by real input (through every page), and its
# runtime's hooks run out of memory and end it; on the 9x path, the worked
# example. The instructions it executes are the cputrace stage's.
EMULATED_NT='*ScreenAtDpi.*/0:WorkedExampleUnderWine.*:OutOfMemoryUnderWine.*:ShippedRuntimeUnderWine.*'
EMULATED_9X='WorkedExampleUnderWine.*'

# What differs by system, run again where Wine says it is the oldest Windows
# of each family (95 and NT 4.0): the pages on screen at 96 DPI, the worked
# example by mouse and keys, the keyboard's walk and the tooltips (their
# structures have the oldest common controls' size).
OLDEST_SYSTEMS='*ScreenAtDpi.*/0:KeyboardUnderWine.*:WorkedExampleUnderWine.*'
OLDEST_SYSTEMS+=':MainWindowUnderWine.ToolTipsNameControlsTabsAndDisabledButtons'

# The Windows test suites that stages of their own run: under an emulator,
# with the relay trace, in code page 932, on a full disk.
OWN_STAGES=(CpuTraceUnderWine NineXPath CodePage932UnderWine FullDiskUnderWine)

# --- what the stages share, made once -----------------------------------

# The native build (GCC, both sanitizers). Where the shipped exe is built,
# its checks are tests of this build too, labelled "shipped": the shipped
# stage runs them, the native stage the rest. Further arguments are packages
# that the caller's tests need beside the compilers.
configure_native() {
    need_packages "${NATIVE_PACKAGES[@]}" "$@"
    cmake -S . -B build/native -DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
        -DCORVANE_SHIPPED_EXE="$PWD/build/win/corvane.exe" >/dev/null
}
native_tests() { ctest --test-dir build/native --output-on-failure -j"$jobs" "$@"; }

wine_ready=""
program=""
# Wine, its prefix, and the Windows tests built against corvane.exe as
# shipped for this Wine.
build_wine_tests() {
    [ -n "$wine_ready" ] && return 0
    need_packages "${WINE_PACKAGES[@]}"
    build_shipped
    wine_setup
    program=$(build_for_wine)
    build_windows_tests "$WIN_ARCH" "$program"
    # The shipped configuration's runtime hooks running out of memory: a
    # 32-bit probe, run where 32-bit Wine runs.
    cmake --build build/win --target corvane_oom_probe >/dev/null
    if [ "$WIN_ARCH" = i686 ]; then
        export CORVANE_OOM_PROBE="Z:${PWD//\//\\}\\build\\win\\corvane_oom_probe.exe"
    fi
    export WINE
    wine_ready=1
}
tests_exe() { echo "build/wintest-$WIN_ARCH/corvane_win32_tests.exe"; }

# The Windows tests of the wine and win98 stages, in the prefix made for
# the given Windows version ("" or win98): those named after "--", or all
# but those of other stages, the probe of the runtime hooks where no 32-bit
# Wine runs it (the i686 stage does), and on the NT path the 9x replace.
run_windows_tests() {
    local log="$1" version="$2" others=("${OWN_STAGES[@]}")
    [ "$WIN_ARCH" = i686 ] || others+=(OutOfMemoryUnderWine ShippedRuntimeUnderWine)
    local exclude
    exclude="^($(IFS='|' && echo "${others[*]}"))\."
    [ "$version" = win98 ] || exclude+="|^FaultSeamUnderWine\.OldFileLeftAside"
    if [ ${#TEST_ARGS[@]} -gt 0 ]; then
        tests_pass "$log" with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" "${TEST_ARGS[@]}"
    else
        tests_pass "$log" with_display scripts/wine-session.sh ctest --test-dir "build/wintest-$WIN_ARCH" \
            --output-on-failure -E "$exclude"
    fi
}

# --- the stages -----------------------------------------------------------

stage_shipped() {
    echo "The shipped program: 32-bit, static, Windows 98 and later; its imports, size, version and instructions"
    build_shipped
    configure_native
    cmake --build build/native -j"$jobs" --target corvane_import_test corvane_cpu_check
    tests_pass build/shipped-test.txt native_tests -L shipped
}

stage_native() {
    echo "Native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
    # Wine's 16-bit modules, which the version reader is checked against.
    configure_native libwine:i386 fonts-wine
    cmake --build build/native -j"$jobs"
    if [ ${#TEST_ARGS[@]} -gt 0 ]; then
        tests_pass build/native-test.txt build/native/tests/corvane_tests "${TEST_ARGS[@]}"
        return
    fi
    tests_pass build/native-test.txt native_tests -LE shipped
    echo "The fault sweep's figures"
    tests_pass build/sweep-test.txt build/native/tests/corvane_tests --gtest_filter='FaultSweep.*' | grep -E 'swept|FAILED'
}

stage_dos() {
    echo "The batch file under a DOS command interpreter (DOSBox's shell, no screen)"
    configure_native "${DOS_PACKAGES[@]}"
    cmake --build build/native -j"$jobs" --target corvane_dos_tests
    tests_pass build/dos-test.txt build/native/tests/corvane_dos_tests
}

stage_fuzz() {
    echo "Fuzzing every reader of untrusted input, 10 seconds each"
    run_fuzzer 10
}

stage_wine() {
    echo "Windows tests under Wine, on corvane.exe as shipped (built for this Wine)"
    build_wine_tests
    wine_prefix "$PWD/build/wine-$WIN_ARCH"
    run_windows_tests build/wine-test.txt ""
    [ ${#TEST_ARGS[@]} -gt 0 ] && return
    seam_figures
    echo "Our version reader against Wine's version.dll"
    tests_pass build/versions-test.txt with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" \
        --gtest_filter='VersionsUnderWine.OurReaderAnswersAsVersionDllDoes' | grep -E 'differential|FAILED'
}

# The figures of the sweep at the door to the file system, on this prefix's path.
seam_figures() {
    echo "The file-system calls swept, and the states the write was stopped at"
    tests_pass build/seam-test.txt with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" \
        --gtest_filter='FaultSeamUnderWine.EveryFileSystemCallFailingInTurnLosesNothing:FaultSeamUnderWine.Machine*' |
        grep -E 'swept|stopped at|FAILED'
}

stage_win98() {
    echo "The same Windows tests where Wine says it is Windows 98: the program's 9x path"
    build_wine_tests
    wine_prefix "$PWD/build/wine-$WIN_ARCH-win98" win98
    run_windows_tests build/win98-test.txt win98
    [ ${#TEST_ARGS[@]} -gt 0 ] || seam_figures
}

# Windows 95: the 9x path as on 98, and the relay check of its calls against
# what 95 exports; where 32-bit Wine runs, the shipped runtime's fatal path
# and its end.
stage_win95() {
    echo "What differs by system, where Wine says it is Windows 95"
    build_wine_tests
    local filter="$OLDEST_SYSTEMS:NineXPath.*"
    [ "$WIN_ARCH" = i686 ] && filter+=":OutOfMemoryUnderWine.*:ShippedRuntimeUnderWine.*"
    [ ${#TEST_ARGS[@]} -gt 0 ] && filter="${TEST_ARGS[0]#--gtest_filter=}"
    traced_tests build/win95-test.txt win95 "$filter"
}

stage_nt40() {
    echo "What differs by system, where Wine says it is Windows NT 4.0"
    build_wine_tests
    wine_prefix "$PWD/build/wine-$WIN_ARCH-nt40" nt40
    local filter="$OLDEST_SYSTEMS"
    [ ${#TEST_ARGS[@]} -gt 0 ] && filter="${TEST_ARGS[0]#--gtest_filter=}"
    tests_pass build/nt40-test.txt with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" --gtest_filter="$filter"
}

stage_relay() {
    echo "What the program calls on its 9x path, from Wine's relay trace"
    build_wine_tests
    traced_tests build/relay-test.txt win98 'NineXPath.*'
}

# The Windows tests of a filter in the prefix of a Windows version, with the
# relay trace of the program as shipped (for this Wine's architecture) at
# hand for those that ask for it: it goes to the test program's standard
# error, which Wine hands on.
traced_tests() {
    local log="$1" version="$2" filter="$3" trace="$PWD/build/relay-trace-$2.txt"
    wine_prefix "$PWD/build/wine-$WIN_ARCH-$version" "$version"
    CORVANE_RELAY_TRACE="Z:$trace" CORVANE_TRACED_EXE="Z:$program" tests_pass "$log" \
        with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" --gtest_filter="$filter" 2>"$trace"
    rm -f "$trace"
}

stage_cp932() {
    echo "Names in a double-byte ANSI code page (932), on the NT and the 9x path"
    build_wine_tests
    # Wine takes its code page from the locale: ja_JP.UTF-8 gives 932. Made
    # for the whole machine where we may (every program then finds it),
    # else for this build alone.
    need_packages locales
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        if [ "$(id -u)" -eq 0 ]; then
            localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || true
        else
            [ -d build/locale/ja_JP.UTF-8 ] || { mkdir -p build/locale && localedef -i ja_JP -f UTF-8 build/locale/ja_JP.UTF-8; }
            export LOCPATH="$PWD/build/locale"
        fi
    fi
    local version status=0
    for version in "" win98; do
        wine_prefix "$PWD/build/wine-$WIN_ARCH${version:+-$version}" "$version"
        LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 tests_pass build/cp932-test.txt with_display scripts/wine-session.sh \
            "$WINE" "$(tests_exe)" --gtest_filter='CodePage932UnderWine.*' || status=1
    done
    unset LOCPATH
    return $status
}

stage_fulldisk() {
    echo "\"&Make\" on a full disk under Wine"
    build_wine_tests
    wine_prefix "$PWD/build/wine-$WIN_ARCH"
    full_disk "$(tests_exe)"
}

# Where the Wine stages ran an x86_64 build, the shipped i686 exe itself,
# through the emulator, in WoW64 prefixes: what only it can show, on the NT
# and the 9x path. The test programs stay 64-bit.
stage_i686() {
    build_wine_tests
    if [ "$WIN_ARCH" = i686 ]; then
        echo "Not needed: the Wine stages ran the shipped i686 corvane.exe"
        return 0
    fi
    echo "The shipped i686 corvane.exe through the emulator, in WoW64 prefixes"
    # The 32-bit Windows tests are built meanwhile (this kernel runs none of
    # them), on the core the emulator leaves.
    echo "The 32-bit Windows tests, built while the emulator runs: build/wintest-i686-build.txt"
    (renice -n 10 "$BASHPID" >/dev/null && build_windows_tests i686 "" >build/wintest-i686-build.txt 2>&1) &
    local built=$!
    local status=0
    i686_emulation_on || status=$?
    [ "$status" -eq 2 ] && { wait "$built" || return; [ "${CORVANE_ALLOW_NO_I686:-}" = 1 ]; return; }
    local version prefix filter
    for version in "" win98; do
        prefix="$PWD/build/wine-wow64${version:+-$version}"
        wow64_prefix "$prefix" "$version"
        filter=$EMULATED_NT
        [ -n "$version" ] && filter=$EMULATED_9X
        CORVANE_STARTED_EXE="Z:${PWD//\//\\}\\build\\win\\corvane.exe" CORVANE_PATIENCE=30 \
            CORVANE_OOM_PROBE="Z:${PWD//\//\\}\\build\\win\\corvane_oom_probe.exe" \
            tests_pass "build/i686-test${version:+-$version}.txt" \
            with_display scripts/wine-session.sh "$WINE" "$(tests_exe)" --gtest_filter="$filter" || status=1
    done
    if ! wait "$built"; then
        tail -n 30 build/wintest-i686-build.txt
        echo "FAILED: the 32-bit Windows tests did not build"
        return 1
    fi
    return $status
}

stage_cputrace() {
    echo "The instructions corvane.exe executes from start-up to its end, under an i386 emulator"
    build_wine_tests
    if [ -z "${cpu_check_built:-}" ]; then
        configure_native
        cmake --build build/native -j"$jobs" --target corvane_cpu_check
    fi
    if [ "$WIN_ARCH" = i686 ]; then
        wine_prefix "$PWD/build/wine-$WIN_ARCH-cputrace"  # its own: it may run beside the Wine stages
    else
        local status=0
        i686_emulation_on || status=$?
        [ "$status" -eq 2 ] && { [ "${CORVANE_ALLOW_NO_I686:-}" = 1 ]; return; }
        wow64_prefix "$PWD/build/wine-wow64"
    fi
    cpu_trace "$PWD/build/win/corvane.exe" "$PWD/build/win/corvane.map" "$(tests_exe)" \
        build/native/tests/corvane_cpu_check
}

# Two builds of this commit in two fresh folders: the same exe and the same
# archive, byte for byte, and neither names a folder of the build.
stage_release() {
    echo "The release archive, built twice from nothing"
    local a=build/release-a b=build/release-b
    rm -rf "$a" "$b"
    # The shipped exe, where this run built it from nothing, is the first.
    if [[ "${BUILT_FROM_NOTHING:-}" == *" build/win "* ]]; then
        a=build/win
        echo "The first: build/win, built from nothing by this run"
    else
        build_shipped_into "$a" >/dev/null
    fi
    build_shipped_into "$b" >/dev/null
    cmp "$a/corvane.exe" "$b/corvane.exe" || { echo "FAILED: two builds gave different programs"; return 1; }
    if grep -a -q -e "$PWD" -e "${PWD//\//\\}" "$a/corvane.exe"; then
        echo "FAILED: corvane.exe names a folder of the build"
        return 1
    fi
    local zipA zipB
    zipA=$(make_dist "$a/corvane.exe" build/release-a/dist)
    zipB=$(make_dist "$b/corvane.exe" "$b/dist")
    cmp "$zipA" "$zipB" || { echo "FAILED: two builds gave different archives"; return 1; }
    check_dist "$zipA" "$a/corvane.exe"
    echo "$(basename "$zipA"): $(stat -c %s "$zipA") bytes, the same from both builds; corvane.exe $(stat -c %s "$a/corvane.exe") bytes"
}

# --- the run ----------------------------------------------------------------

stages=()
TEST_ARGS=()
while [ $# -gt 0 ]; do
    if [ "$1" = -- ]; then
        shift
        TEST_ARGS=("$@")
        break
    fi
    stages+=("$1")
    shift
done
[ ${#stages[@]} -eq 0 ] && stages=("${ALL_STAGES[@]}")
for s in "${stages[@]}"; do
    declare -F "stage_$s" >/dev/null || { echo "No stage \"$s\"; the stages: ${ALL_STAGES[*]}" >&2; exit 2; }
done

timings=()
current=""
started=0
beside=""       # the emulated stages' job, where it runs beside the others
beside_log=build/emulated-stages.txt

# The stages that run the shipped exe through the emulator (cputrace, and
# i686 where the kernel runs no 32-bit programs) run beside the others,
# which yield it the core it holds. Everything they share is built first; they get a screen of
# their own (their input must not reach another stage's windows) and turn
# the emulator on and off themselves. Their output goes to a log, printed
# when they end.
start_emulated_stages() {
    local own=() rest=() s
    [[ " ${stages[*]} " == *\ cputrace\ * || " ${stages[*]} " == *\ i686\ * ]] &&
        [ ${#stages[@]} -gt 1 ] && [ ${#TEST_ARGS[@]} -eq 0 ] || return 0
    started=$SECONDS
    echo "== the Windows builds the stages share"
    build_wine_tests  # and, first, which Wine runs here
    for s in "${stages[@]}"; do
        case "$WIN_ARCH $s" in *\ cputrace|x86_64\ i686) own+=("$s") ;; *) rest+=("$s") ;; esac
    done
    if [ ${#own[@]} -eq 0 ]; then
        timings+=("$(printf '%-10s %5d s' builds $((SECONDS - started)))")
        return 0
    fi
    configure_native
    cmake --build build/native -j"$jobs" --target corvane_cpu_check
    timings+=("$(printf '%-10s %5d s' builds $((SECONDS - started)))")
    cpu_check_built=1
    # Removed at the end where this run registers it, whichever side ends first.
    [ "$WIN_ARCH" = i686 ] || [ -e "$BINFMT/$BINFMT_NAME" ] || BINFMT_REGISTERED=1
    echo "== ${own[*]}: beside the other stages, into $beside_log"
    set -m  # a process group of their own, to be stopped whole
    (
        unset DISPLAY
        export CORVANE_FIRST_DISPLAY=150
        trap i686_emulation_off EXIT
        for s in "${own[@]}"; do
            started=$SECONDS
            echo "== $s"
            "stage_$s" || { echo "== $s: $((SECONDS - started)) s  FAILED"; exit 1; }
            echo "== $s: $((SECONDS - started)) s"
        done
    ) >"$beside_log" 2>&1 &
    beside=$!
    set +m
    # The emulator first: the stages here yield it the core it needs, and
    # take what it leaves.
    renice -n 10 -p "$$" >/dev/null || true
    stages=("${rest[@]}")
}

# Waits for the emulated stages and prints what they said.
end_emulated_stages() {
    [ -n "$beside" ] || return 0
    local status=0
    wait "$beside" || status=$?
    beside=""
    echo "== beside the others (from $beside_log):"
    cat "$beside_log"
    while read -r s seconds failed; do
        timings+=("$(printf '%-10s %5d s%s' "$s" "$seconds" "${failed:+  FAILED}")")
    done < <(sed -n 's/^== \([a-z0-9]*\): \([0-9]*\) s *\(FAILED\)\{0,1\}$/\1 \2 \3/p' "$beside_log")
    return $status
}

finish() {
    local status=$?
    if [ -n "$beside" ]; then
        kill -- -"$beside" 2>/dev/null || true
        wait "$beside" 2>/dev/null || true
    fi
    i686_emulation_off
    [ -n "$current" ] && timings+=("$(printf '%-10s %5d s  FAILED' "$current" $((SECONDS - started)))")
    echo
    echo "== Stages"
    printf '%s\n' "${timings[@]}"
    echo "total      ${SECONDS} s"
    exit $status
}
trap finish EXIT
trap 'exit 130' INT TERM

start_emulated_stages
for s in "${stages[@]}"; do
    current=$s
    started=$SECONDS
    echo "== $s"
    "stage_$s"
    timings+=("$(printf '%-10s %5d s' "$s" $((SECONDS - started)))")
    echo "== $s: $((SECONDS - started)) s"
    current=""
done
current=beside
started=$SECONDS
end_emulated_stages
current=""
