# Builds the version-resource reader's libFuzzer target with clang, ASan and
# UBSan, seeds it, and runs it for the given number of seconds. Sourced.
run_fuzzer() {
    local seconds=$1
    need_packages "${NATIVE_PACKAGES[@]}"
    cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/fuzz -j"$(nproc)" --target corvane_version_fuzz corvane_fuzz_seeds
    rm -rf build/fuzz/artifacts
    mkdir -p build/fuzz/corpus build/fuzz/artifacts
    build/fuzz/tests/corvane_fuzz_seeds build/fuzz/corpus
    # Inputs that once broke the reader are read again first.
    build/fuzz/tests/corvane_version_fuzz -runs=0 tests/data/fuzz-kept >build/fuzz/kept.log 2>&1 || {
        cat build/fuzz/kept.log
        return 1
    }
    local status=0
    build/fuzz/tests/corvane_version_fuzz -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus >build/fuzz/run.log 2>&1 || status=$?
    grep -E "^(Done|stat::number_of_executed_units|SUMMARY)|ERROR" build/fuzz/run.log || true
    grep -E "DONE +cov" build/fuzz/run.log | tail -1
    if [ "$status" -ne 0 ] || [ -n "$(ls -A build/fuzz/artifacts)" ]; then
        tail -30 build/fuzz/run.log
        echo "The fuzzer found inputs that break the reader: build/fuzz/artifacts (keep them in tests/data/fuzz-kept)"
        return 1
    fi
}
