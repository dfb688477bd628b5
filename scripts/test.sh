#!/usr/bin/env bash
# Builds Corvane and runs every test, from nothing, on Debian or Ubuntu.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
need_packages "${NATIVE_PACKAGES[@]}"

jobs=$(nproc)

echo "== Native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/native -DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"
