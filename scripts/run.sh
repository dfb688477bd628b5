#!/usr/bin/env bash
# Builds Corvane and starts it: under Wine, in a prefix of its own, on Linux.
source "$(dirname "$0")/preamble.sh"
need_packages "${WINE_PACKAGES[@]}"
wine_setup
exe=$(build_for_wine)
echo "Starting $exe"
with_display "$WINE" "$exe"
