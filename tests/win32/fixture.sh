#!/usr/bin/env bash
# CTest fixture of the Wine tests: `start STATE TEMPLATE` makes a fresh Wine prefix (a copy of
# the template made by scripts/dev setup) and an Xvfb display; `stop STATE` ends both by PID.
set -euo pipefail
action=$1 state=$2

wine_env() {
  export WINEPREFIX=$state/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

case $action in
start)
  template=$3
  "$0" stop "$state" || true
  mkdir -p "$state"
  cp -a "$template" "$state/wineprefix"
  n=$((100 + RANDOM % 400))
  while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  echo ":$n" >"$state/display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  wine_env
  # A persistent server, and the prefix's services started here, keep each program's start
  # short. Nothing started here may hold CTest's output pipes, or CTest waits for it forever.
  wineserver -p >/dev/null 2>&1 </dev/null
  pgrep -n -f "wineserver32 -p|wineserver -p" >"$state/wineserver.pid" || true
  DISPLAY=":$n" wineboot >/dev/null 2>&1 </dev/null || true
  ;;
stop)
  if [ -d "$state/wineprefix" ]; then
    wine_env
    wineserver -k 2>/dev/null || true
  fi
  for f in wineserver xvfb; do
    if [ -f "$state/$f.pid" ]; then
      kill "$(cat "$state/$f.pid")" 2>/dev/null || true
      rm -f "$state/$f.pid"
    fi
  done
  rm -rf "$state/wineprefix"
  ;;
esac
