#!/usr/bin/env bash
# Reads the two shortcut files of the fresh-install scenario with lnkinfo (Debian's
# liblnk-utils), an outside reader of the format: each must point at <dir>\tesl3.exe, start
# in <dir> and carry the description.
#   check_links.sh LINKS_DIR   (desktop.lnk, startmenu.lnk, expected.txt holding <dir>)
set -u
links=$1
command -v lnkinfo >/dev/null || { echo "lnkinfo is missing (scripts/dev setup installs liblnk-utils)"; exit 1; }
[ -f "$links/expected.txt" ] || { echo "no shortcuts from the fresh-install scenario in $links"; exit 1; }
dir=$(head -n 1 "$links/expected.txt")
rc=0
for lnk in desktop.lnk startmenu.lnk; do
  info=$(lnkinfo "$links/$lnk" 2>&1) || { echo "$lnk: lnkinfo failed"; echo "$info"; rc=1; continue; }
  field() { printf '%s\n' "$info" | sed -n "s/^[[:space:]]*$1[[:space:]]*: //p" | head -n 1; }
  check() {
    if [ "$(field "$1")" != "$2" ]; then
      echo "$lnk: $1 is '$(field "$1")', expected '$2'"
      rc=1
    fi
  }
  check "Local path" "$dir\\tesl3.exe"
  check "Working directory" "$dir"
  check "Description" "Halvex Corporation's Corvex IV"
done
[ $rc -eq 0 ] && echo "both shortcuts read back by lnkinfo"
exit $rc
