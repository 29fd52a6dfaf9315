# Sourced by the Wine runners: waiting for a test program with a deadline of the runner's own.
#
# CTest ends a test that outlives its TIMEOUT with SIGKILL, which the runner cannot outlive,
# and the program's output, kept in a file until the program ends, would be lost with it: a
# scenario that hangs would fail without a word. With ULMO_TEST_DEADLINE set (seconds, below
# CTest's TIMEOUT) the runner ends such a program itself, once it has noted the windows the
# display shows and saved a picture of it, and then prints the output as usual.

# The display's shown top-level windows by their titles, and a picture of it at PICTURE.
ulmo_describe_display() {
  local picture=$1 id line
  echo "wine-run: the program outlived its deadline of ${ULMO_TEST_DEADLINE} s and was ended; the display showed:"
  xwininfo -display "$DISPLAY" -root -children 2>/dev/null | grep -o '^ *0x[0-9a-f]* "[^"]*"' | while read -r id line; do
    xwininfo -display "$DISPLAY" -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "  $line"
  done
  import -display "$DISPLAY" -window root "$picture" 2>/dev/null && echo "wine-run: a picture of it: $picture"
}

# ulmo_wait_with_deadline PID NOTE: waits for PID and sets ulmo_status to its exit status, or
# to 124 when the deadline came first; then NOTE holds what the display showed.
ulmo_sleeper=
ulmo_wait_with_deadline() {
  local pid=$1 note=$2 ended=
  if [ -z "${ULMO_TEST_DEADLINE:-}" ]; then
    wait "$pid"
    ulmo_status=$?
    return
  fi
  sleep "$ULMO_TEST_DEADLINE" </dev/null >/dev/null 2>&1 &
  ulmo_sleeper=$!
  wait -n -p ended "$pid" "$ulmo_sleeper"
  ulmo_status=$?
  if [ "$ended" = "$pid" ]; then
    kill "$ulmo_sleeper" 2>/dev/null
    wait "$ulmo_sleeper" 2>/dev/null
  else
    ulmo_describe_display "$note.png" >"$note"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    ulmo_status=124
  fi
  ulmo_sleeper=
}
