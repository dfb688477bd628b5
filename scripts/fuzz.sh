# Builds the version-resource reader's libFuzzer target with clang, ASan and
# UBSan, seeds it, and runs it for the given number of seconds. Sourced.
run_fuzzer() {
    local seconds=$1
    cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/fuzz -j"$(nproc)" --target corvane_version_fuzz corvane_fuzz_seeds
    mkdir -p build/fuzz/corpus build/fuzz/artifacts
    build/fuzz/tests/corvane_fuzz_seeds build/fuzz/corpus
    # Inputs that once broke the reader are read again first.
    build/fuzz/tests/corvane_version_fuzz -runs=0 tests/data/fuzz-kept
    build/fuzz/tests/corvane_version_fuzz -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus 2>&1 | grep -E "^(stat::number_of_executed_units|Done|==|SUMMARY)" || true
    if ls build/fuzz/artifacts/crash-* build/fuzz/artifacts/leak-* build/fuzz/artifacts/timeout-* >/dev/null 2>&1; then
        echo "The fuzzer found inputs that break the reader: build/fuzz/artifacts (keep them in tests/data/fuzz-kept)"
        return 1
    fi
}
