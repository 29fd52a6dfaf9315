#!/usr/bin/env bash
# CTest fixture of the Wine tests:
#   start STATE TEMPLATE ARCH  a fresh Wine prefix (a copy of the template that scripts/dev
#                              setup made for ARCH, win32 or win64), an Xvfb display, a CUPS
#                              server of its own with the PDF printer as its default, and a
#                              list of what $HOME holds
#   stop STATE                 ends the servers and the display by PID
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

# A CUPS server of the fixture's own: its configuration, spool and logs below STATE, its
# socket the only way in, no service manager. Its one queue prints through the cups-pdf
# backend into the folder /etc/cups/cups-pdf-ulmo.conf names (scripts/dev setup writes it).
# Wine finds the server through CUPS_SERVER (wine-run.sh exports it when the socket exists).
start_cups() {
  local dir=$state/cups
  rm -rf "$dir"
  command -v cupsd >/dev/null && [ -f /etc/cups/cups-pdf-ulmo.conf ] && [ "$(id -u)" -eq 0 ] || {
    echo "no CUPS server: printing tests will find no printer" >"$state/cups.absent"
    return 0
  }
  rm -f "$state/cups.absent"
  mkdir -p "$dir/root" "$dir/spool" "$dir/tmp" "$dir/cache" "$dir/state" "$dir/log"
  # Filters run as lp and write their temporary files here.
  chgrp lp "$dir/tmp" && chmod 1770 "$dir/tmp"
  cat >"$dir/root/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$dir/root/cups-files.conf" <<CONF
ServerRoot $dir/root
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Sandboxing Relaxed
CONF
  cupsd -f -c "$dir/root/cupsd.conf" -s "$dir/root/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$state/cupsd.pid"
  export CUPS_SERVER=$dir/cups.sock
  for _ in $(seq 100); do [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && break; sleep 0.1; done
  lpadmin -p ulmo-pdf -E -v cups-pdf:/ulmo -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1
  lpadmin -d ulmo-pdf
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
  start_cups
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
  for f in wineserver xvfb cupsd; do
    if [ -f "$state/$f.pid" ]; then
      kill "$(cat "$state/$f.pid")" 2>/dev/null || true
      rm -f "$state/$f.pid"
    fi
  done
  rm -rf "$state/wineprefix" "$state/cups"
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
