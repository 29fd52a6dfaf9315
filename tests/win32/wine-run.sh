#!/usr/bin/env bash
# Runs one Windows program of a test under Wine in the fixture's prefix and display, and ends
# it by its PID when the test is stopped. The program's output goes through a file: Wine's
# service processes, started by the first program, inherit its descriptors and outlive it,
# and would keep CTest waiting on a pipe.
set -u
state=$1; shift
. "$(dirname "$0")/../../scripts/wine-env.sh"
ulmo_wine_env "$(cat "$state/arch")" "$state/wineprefix"
DISPLAY=$(cat "$state/display")
export DISPLAY
# The fixture's CUPS server, when it runs one: its printer is the programs' default.
[ -S "$state/cups/cups.sock" ] && export CUPS_SERVER=$state/cups/cups.sock
out=$(mktemp "$state/output.XXXXXX")
"$WINE" "$@" >"$out" 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null; cat "$out"; rm -f "$out"; exit 143' TERM INT
wait "$pid"
rc=$?
cat "$out"
rm -f "$out"
exit $rc
