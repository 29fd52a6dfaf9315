#!/usr/bin/env bash
# Runs one Windows program of a test under Wine in the fixture's prefix and display, and ends
# it by its PID when the test is stopped.
set -u
state=$1; shift
export WINEPREFIX=$state/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$state/display")
export DISPLAY
wine "$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null; exit 143' TERM INT
wait "$pid"
