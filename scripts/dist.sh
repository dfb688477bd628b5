#!/usr/bin/env bash
# Builds the release to download: dist/corvane-<version>.zip, holding
# CORVANE.EXE (the shipped program) and README.TXT.
source "$(dirname "$0")/preamble.sh"
build_shipped
zip=$(make_dist build/win/corvane.exe dist)
check_dist "$zip" build/win/corvane.exe
ls -l "$zip"
