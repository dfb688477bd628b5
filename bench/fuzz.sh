#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (600 by default) and prints the
# runs of each and what it found: bench/fuzz.sh [SECONDS [TARGET...]]
source "$(dirname "$0")/../scripts/preamble.sh"
seconds="${1:-600}"
shift || true
run_fuzzer "$seconds" "$@"
