#!/usr/bin/env bash
# Runs one Windows program of a test in a Wine prefix of its own: a fresh copy of TEMPLATE,
# made for this run and removed after it, on the display of the shared fixture (STATE).
# The prefix's user folders that point outside it (Desktop -> $HOME and the like) become
# real folders, so nothing a test creates there leaves the prefix.
#   wine-run-fresh.sh STATE TEMPLATE NAME PROGRAM [ARGS...]
set -u
state=$1 template=$2 name=$3
shift 3
prefix=$state/fresh-$name
rm -rf "$prefix"
cp -a "$template" "$prefix"
for link in "$prefix"/drive_c/users/*/*; do
  if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
done
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$state/display")
export DISPLAY
out=$(mktemp "$state/output.XXXXXX")
wineserver -p >/dev/null 2>&1 </dev/null
wine "$@" >"$out" 2>&1 </dev/null &
pid=$!
cleanup() { wineserver -k 2>/dev/null; cat "$out"; rm -f "$out"; rm -rf "$prefix"; }
trap 'kill "$pid" 2>/dev/null; cleanup; exit 143' TERM INT
wait "$pid"
rc=$?
cleanup
exit $rc
