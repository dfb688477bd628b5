#!/usr/bin/env bash
# Runs a command inside one Wine session: a persistent wineserver and the
# prefix's virtual desktop, started here with their output to /dev/null so
# that they never hold a pipe of the command (CTest waits for every writer of
# a test's output to close). Expects WINE and the WINE* variables set, and a
# display.
set -uo pipefail
wineserver -p
"$WINE" explorer /desktop=corvane,1024x768 >/dev/null 2>&1 &
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
"$@"
status=$?
wineserver -k 2>/dev/null
wait 2>/dev/null
exit $status
