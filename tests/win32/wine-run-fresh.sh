#!/usr/bin/env bash
# Runs one Windows program of a test in a Wine prefix of its own: a fresh copy of TEMPLATE
# (made by scripts/dev setup for ARCH, win32 or win64), made for this run and removed after
# it, on the display of the shared fixture (STATE) once that is up. The prefix keeps the
# user's folders inside it (scripts/wine-env.sh), so nothing a test creates there reaches
# $HOME.
#   wine-run-fresh.sh STATE TEMPLATE ARCH PROGRAM [ARGS...]
# CTest also lists a program's scenarios through it (--gtest_list_tests), before the fixture
# runs, so the program's standard output is passed on apart from Wine's messages. A program
# that outlives ULMO_TEST_DEADLINE seconds is ended (tests/win32/deadline.sh).
set -u
state=$1 template=$2 arch=$3
shift 3
. "$(dirname "$0")/../../scripts/wine-env.sh"
. "$(dirname "$0")/deadline.sh"
mkdir -p "$state"
prefix=$(mktemp -d "$state/fresh.XXXXXX")
cp -a "$template/." "$prefix"
ulmo_wine_sandbox "$prefix"
ulmo_wine_env "$arch" "$prefix"
DISPLAY=$(cat "$state/display" 2>/dev/null || true)
export DISPLAY
out=$(mktemp "$state/output.XXXXXX")
err=$(mktemp "$state/errors.XXXXXX")
note=$(mktemp "$state/deadline.XXXXXX")
"$WINESERVER" -p >/dev/null 2>&1 </dev/null
"$WINE" "$@" >"$out" 2>"$err" </dev/null &
pid=$!
cleanup() {
  "$WINESERVER" -k 2>/dev/null
  cat "$out" "$note"
  cat "$err" >&2
  rm -f "$out" "$err" "$note"
  rm -rf "$prefix"
}
trap 'kill "$pid" $ulmo_sleeper 2>/dev/null; cleanup; exit 143' TERM INT
ulmo_wait_with_deadline "$pid" "$note"
cleanup
exit $ulmo_status
