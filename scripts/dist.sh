#!/usr/bin/env bash
# Builds the release to download: dist/corvane-<version>.zip, holding
# CORVANE.EXE (the shipped program) and README.TXT.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/build-windows.sh
source scripts/release.sh
need_packages "${NATIVE_PACKAGES[@]}" mingw-w64 python3
build_shipped
zip=$(make_dist build/win/corvane.exe dist)
check_dist "$zip" build/win/corvane.exe
ls -l "$zip"
