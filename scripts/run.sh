#!/usr/bin/env bash
# Builds Corvane and starts it: under Wine, in a prefix of its own, on Linux.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine.sh
source scripts/build-windows.sh
need_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
wine_setup
exe=$(build_for_wine)
echo "Starting $exe"
with_display "$WINE" "$exe"
