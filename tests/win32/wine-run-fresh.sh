#!/usr/bin/env bash
# Runs one Windows program of a test in a Wine prefix of its own: a fresh copy of TEMPLATE,
# made for this run and removed after it, on the display of the shared fixture (STATE).
# The prefix keeps the user's folders inside it (scripts/wine-env.sh), so nothing a test
# creates there reaches $HOME.
#   wine-run-fresh.sh STATE TEMPLATE NAME PROGRAM [ARGS...]
set -u
state=$1 template=$2 name=$3
shift 3
. "$(dirname "$0")/../../scripts/wine-env.sh"
prefix=$state/fresh-$name
rm -rf "$prefix"
cp -a "$template" "$prefix"
ulmo_wine_sandbox "$prefix"
ulmo_wine_env "$(cat "$state/arch")" "$prefix"
DISPLAY=$(cat "$state/display")
export DISPLAY
out=$(mktemp "$state/output.XXXXXX")
"$WINESERVER" -p >/dev/null 2>&1 </dev/null
"$WINE" "$@" >"$out" 2>&1 </dev/null &
pid=$!
cleanup() { "$WINESERVER" -k 2>/dev/null; cat "$out"; rm -f "$out"; rm -rf "$prefix"; }
trap 'kill "$pid" 2>/dev/null; cleanup; exit 143' TERM INT
wait "$pid"
rc=$?
cleanup
exit $rc
