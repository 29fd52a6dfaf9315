#!/usr/bin/env bash
# Runs one Windows program of a test in a Wine prefix of its own: a fresh copy of TEMPLATE,
# made for this run and removed after it, on the display of the shared fixture (STATE) once
# that is up. The prefix's user folders that point outside it (Desktop -> $HOME and the
# like) become real folders, so nothing a test creates there leaves the prefix.
#   wine-run-fresh.sh STATE TEMPLATE PROGRAM [ARGS...]
# CTest also lists a program's scenarios through it (--gtest_list_tests), before the fixture
# runs, so the program's standard output is passed on apart from Wine's messages.
set -u
state=$1 template=$2
shift 2
mkdir -p "$state"
prefix=$(mktemp -d "$state/fresh.XXXXXX")
cp -a "$template/." "$prefix"
for link in "$prefix"/drive_c/users/*/*; do
  if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
done
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$state/display" 2>/dev/null || true)
export DISPLAY
out=$(mktemp "$state/output.XXXXXX")
err=$(mktemp "$state/errors.XXXXXX")
wineserver -p >/dev/null 2>&1 </dev/null
wine "$@" >"$out" 2>"$err" </dev/null &
pid=$!
cleanup() {
  wineserver -k 2>/dev/null
  cat "$out"
  cat "$err" >&2
  rm -f "$out" "$err"
  rm -rf "$prefix"
}
trap 'kill "$pid" 2>/dev/null; cleanup; exit 143' TERM INT
wait "$pid"
rc=$?
cleanup
exit $rc
