#!/usr/bin/env bash
# A longer run of the version-resource reader's fuzzer: bench/fuzz.sh [seconds]
source "$(dirname "$0")/../scripts/preamble.sh"
run_fuzzer "${1:-600}"
