# What every script of the project shares: the Debian packages each part of
# the build needs, installed where missing, and the one check of a test run.
# Sourced (through preamble.sh).

# Installs the given Debian packages where they are missing; runs apt-get
# only then. A mirror in the middle of a sync fails an index now and then:
# the update is tried again, and where the install still fails (one
# architecture's index of a suite missing, so that a library's two
# architectures stand at two versions), it is tried once more preferring the
# release's own suite, which holds every architecture at one version.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$'; then
        dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386
    fi
    echo "Installing: ${missing[*]}"
    local said try
    said=$(mktemp)
    for try in 1 2 3; do
        $sudo apt-get update -qq 2>"$said" && break
        sleep 10
    done
    # "E: Failed to fetch URL  File has unexpected size (...). Mirror sync in progress? [IP: ...]"
    local failed
    failed=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\)  *\(.*[^ ]\)/  \1: \2/p' "$said" | sed 's/ *\[IP: [^]]*\]$//')
    [ -n "$failed" ] && printf 'These indexes failed to download, after three tries:\n%s\n' "$failed"
    local install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends)
    if $sudo "${install[@]}" "${missing[@]}" >/dev/null 2>"$said"; then
        rm -f "$said"
        return 0
    fi
    cat "$said" >&2
    local release
    release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    if [ -n "$release" ]; then
        echo "The install failed${failed:+ with those indexes missing}; trying once more, preferring the release's own suite ($release)"
        if $sudo "${install[@]}" -t "$release" "${missing[@]}" >/dev/null 2>"$said"; then
            rm -f "$said"
            return 0
        fi
        cat "$said" >&2
    fi
    rm -f "$said"
    local unknown=()
    for p in "${missing[@]}"; do
        apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: [^(]' || unknown+=("$p")
    done
    if [ ${#unknown[@]} -gt 0 ]; then
        echo "FAILED: no suite of the package lists has ${unknown[*]}"
    else
        echo "FAILED: apt-get could not install ${missing[*]}"
    fi
    return 1
}

NATIVE_PACKAGES=(g++ clang cmake make libgtest-dev googletest libclang-rt-dev)
MINGW_PACKAGES=(mingw-w64 cmake make python3)
WINE_PACKAGES=(wine wine32:i386 wine64 fonts-wine xvfb xauth)
DOS_PACKAGES=(dosbox nasm)

# Runs a test program, or ctest, with its output shown and kept in LOG; it
# passes only when tests ran, every one passed and none was skipped: a stage
# runs the tests it exists for, so a skip says that something it needs is
# missing.
tests_pass() {
    local log="$1"
    shift
    local status=0
    "$@" | tee "$log" || status=$?
    local skipped ran
    skipped=$(grep -E '^\[  SKIPPED \] [A-Za-z]|\*\*\*Skipped' "$log" || true)
    # GoogleTest: "[==========] 12 tests from 3 test suites ran."; CTest:
    # "100% tests passed, 0 tests failed out of 44".
    ran=$(sed -n -e 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' \
        -e 's/^[0-9]*% tests passed, [0-9]* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n 1)
    if [ "${ran:-0}" -eq 0 ]; then
        echo "FAILED: no test ran ($*)"
        return 1
    fi
    if [ -n "$skipped" ]; then
        echo "FAILED: a test this stage exists for was skipped (its message says what was missing):"
        echo "$skipped"
        return 1
    fi
    local failed=$status
    grep -q '^\[  FAILED  \]' "$log" && failed=1
    if grep -q 'tests failed out of' "$log" && ! grep -q ' 0 tests failed out of' "$log"; then failed=1; fi
    if [ "$failed" -ne 0 ]; then
        echo "FAILED: $*"
        return 1
    fi
}
