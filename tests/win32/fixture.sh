#!/usr/bin/env bash
# CTest fixture of the Wine tests:
#   start STATE TEMPLATE ARCH  a fresh Wine prefix (a copy of the template that scripts/dev
#                              setup made for ARCH, win32 or win64), an Xvfb display, and a
#                              list of what $HOME holds
#   stop STATE                 ends the server and the display by PID
#   home STATE                 fails when $HOME gained or lost an entry since start
set -euo pipefail
action=$1 state=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"

# Names only, since caches and tools' own state change contents all the time: every entry at
# the top of $HOME, hidden ones not descended but .local and .config (where launchers and
# menus would go), and everything below the visible folders (Desktop, Documents, ...).
home_entries() {
  find "$HOME" -mindepth 1 \( -name '.*' ! -name .local ! -name .config -print -prune \) -o -print | sort
}

case $action in
start)
  template=$3 arch=$4
  "$0" stop "$state" || true
  mkdir -p "$state"
  echo "$arch" >"$state/arch"
  home_entries >"$state/home-before"
  cp -a "$template" "$state/wineprefix"
  n=$((100 + RANDOM % 400))
  while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  echo ":$n" >"$state/display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  ulmo_wine_env "$arch" "$state/wineprefix"
  # A persistent server, and the prefix's services started here, keep each program's start
  # short. Nothing started here may hold CTest's output pipes, or CTest waits for it forever.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null
  pgrep -n -f "$WINESERVER -p" >"$state/wineserver.pid" || true
  DISPLAY=":$n" "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
  ;;
stop)
  if [ -d "$state/wineprefix" ] && [ -f "$state/arch" ]; then
    ulmo_wine_env "$(cat "$state/arch")" "$state/wineprefix"
    "$WINESERVER" -k 2>/dev/null || true
  fi
  for f in wineserver xvfb; do
    if [ -f "$state/$f.pid" ]; then
      kill "$(cat "$state/$f.pid")" 2>/dev/null || true
      rm -f "$state/$f.pid"
    fi
  done
  rm -rf "$state/wineprefix"
  ;;
home)
  [ -f "$state/home-before" ] || { echo "no list of \$HOME from the fixture's start"; exit 1; }
  if ! diff <(cat "$state/home-before") <(home_entries) >"$state/home-diff"; then
    echo "the Wine tests changed \$HOME (< gone, > new):"
    cat "$state/home-diff"
    exit 1
  fi
  echo "\$HOME holds the same $(wc -l <"$state/home-before") entries as before the Wine tests"
  ;;
esac
