#!/usr/bin/env bash
# A longer run of the version-resource reader's fuzzer: bench/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/fuzz.sh
need_packages "${NATIVE_PACKAGES[@]}"
run_fuzzer "${1:-600}"
