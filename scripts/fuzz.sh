# Builds the libFuzzer targets with clang, ASan and UBSan and runs each for
# the given number of seconds. Sourced.
#
# CORVANE_FUZZ_RUNS=N stops each target after N runs, should that come first.
#
# Targets: version (the version-resource reader), command_line, hand_over
# (the block a second start hands over), drop (names dropped or handed
# over), names (the 8.3 rule and the wildcard match), batch (the batch
# file over any program name and folder) and read_back (a batch file found
# beside a game, read back). Inputs that once broke a target
# are kept in tests/data/fuzz-kept/TARGET/ (the version reader's in
# tests/data/fuzz-kept/) and read again first.
FUZZ_TARGETS=(version command_line hand_over drop names batch read_back glide_image)

# The longest input of each, in bytes: room for every case its rules have,
# and no longer, as every run of a text reader costs in proportion to its
# length. Two bytes make one character.
declare -A FUZZ_MAX_LEN=(
    [version]=4096       # a resource directory, a version block and their offsets
    [command_line]=256   # 127 characters: every run of quotes and backslashes
    [hand_over]=1024     # two paths of MAX_PATH characters and the zeros between
    [drop]=1024          # a dozen paths: past the ten names a message shows
    [names]=256          # a name of up to 23 characters and a list of patterns
    [batch]=512          # a name and folders past the 125 characters of a line
    [read_back]=4104     # the settings, and bytes past the 4 KiB a file is read to
    [glide_image]=8192   # headers, a section table, an import table and the data names sit in
)

fuzz_build() {
    need_packages "${NATIVE_PACKAGES[@]}"
    cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    local targets=() t
    for t in "${FUZZ_TARGETS[@]}"; do targets+=("corvane_${t}_fuzz"); done
    cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]}" corvane_fuzz_seeds
}

# run_fuzzer SECONDS [TARGET...]: each target (all by default) for SECONDS,
# as many at once as there are cores (each runs on one); prints the runs of
# each and what it found, in the targets' order, and fails on a finding.
run_fuzzer() {
    local seconds=$1
    shift
    local targets=("$@")
    [ ${#targets[@]} -eq 0 ] && targets=("${FUZZ_TARGETS[@]}")
    fuzz_build
    local status=0 t pids=()
    for t in "${targets[@]}"; do
        while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
        fuzz_one "$t" "$seconds" >"build/fuzz/$t.said" 2>&1 &
        pids+=($!)
    done
    local i
    for i in "${!targets[@]}"; do
        wait "${pids[$i]}" || status=1
        cat "build/fuzz/${targets[$i]}.said"
    done
    return $status
}

fuzz_one() {
    local target=$1 seconds=$2
    local exe="build/fuzz/tests/corvane_${target}_fuzz" dir="build/fuzz/$target"
    local kept="tests/data/fuzz-kept/$target"
    [ "$target" = version ] && kept=tests/data/fuzz-kept
    rm -rf "$dir/artifacts"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    case "$target" in version|glide_image) build/fuzz/tests/corvane_fuzz_seeds "$dir/corpus" ;; esac
    if [ -d "$kept" ]; then
        "$exe" -runs=0 "$kept" >"$dir/kept.log" 2>&1 || {
            echo "$target: an input kept in $kept breaks it again"
            cat "$dir/kept.log"
            return 1
        }
    fi
    local status=0 seeds=() limit=()
    [ -d "$kept" ] && seeds=("$kept")
    [ -n "${CORVANE_FUZZ_RUNS:-}" ] && limit=(-runs="$CORVANE_FUZZ_RUNS")
    # No stack is kept of each allocation, which costs a third of the batch
    # target's time: a finding's input is kept, and run again alone with
    # ASAN_OPTIONS unset it shows where its memory came from.
    ASAN_OPTIONS=malloc_context_size=0 "$exe" -max_total_time="$seconds" "${limit[@]}" -max_len="${FUZZ_MAX_LEN[$target]}" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$dir/artifacts/" "$dir/corpus" "${seeds[@]}" >"$dir/run.log" 2>&1 || status=$?
    local runs cov
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/run.log" | tail -n 1)
    cov=$(grep -oE "cov: [0-9]+" "$dir/run.log" | tail -n 1)
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$dir/artifacts")" ]; then
        printf '%-13s %12s runs  %s  FOUND: %s\n' "$target" "${runs:-?}" "$cov" "$(ls "$dir/artifacts" | tr '\n' ' ')"
        grep -E "ERROR|SUMMARY|==[0-9]+==" "$dir/run.log" | head -5
        echo "Keep each input of $dir/artifacts in $kept/ once it is fixed"
        return 1
    fi
    printf '%-13s %12s runs  %s  found nothing\n' "$target" "${runs:-?}" "$cov"
}
