#!/usr/bin/env bash
# Runs one Windows program of a test under Wine in the fixture's prefix and display, and ends
# it by its PID when the test is stopped. The program's output goes through a file: Wine's
# service processes, started by the first program, inherit its descriptors and outlive it,
# and would keep CTest waiting on a pipe. A program that outlives ULMO_TEST_DEADLINE seconds
# is ended (tests/win32/deadline.sh).
set -u
state=$1; shift
. "$(dirname "$0")/../../scripts/wine-env.sh"
. "$(dirname "$0")/deadline.sh"
ulmo_wine_env "$(cat "$state/arch")" "$state/wineprefix"
DISPLAY=$(cat "$state/display")
export DISPLAY
# The fixture's CUPS server, when it runs one: its printer is the programs' default.
[ -S "$state/cups/cups.sock" ] && export CUPS_SERVER=$state/cups/cups.sock
out=$(mktemp "$state/output.XXXXXX")
note=$(mktemp "$state/deadline.XXXXXX")
"$WINE" "$@" >"$out" 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" $ulmo_sleeper 2>/dev/null; cat "$out"; rm -f "$out" "$note"; exit 143' TERM INT
ulmo_wait_with_deadline "$pid" "$note"
cat "$out" "$note"
rm -f "$out" "$note"
exit $ulmo_status
