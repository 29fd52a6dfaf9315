#!/usr/bin/env bash
# ulmocli eval on the bundled samples: the trace export format, --plot and --x, and the exit
# statuses of bad names (2) and failed runs (3).
set -u
cli=$1
samples=$2
fail=0
check() {   # name, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\nexpected: %q\nactual:   %q\n' "$1" "$2" "$3"
    fail=1
  fi
}

# The operating point has one point; its variable 0 is the 5 V supply.
out=$("$cli" eval "$samples/operating-point.out" "2*3+4" "8/2/2")
status=$?
check "status of a good run" 0 "$status"
lines=$(printf '%s\n' "$out" | head -n 2)
check "first block" "$(printf '2*3+4\n5.000000e+000\t1.000000e+001')" "$lines"
check "blocks end with an empty line" "$(printf '8/2/2\n5.000000e+000\t2.000000e+000\n')" \
  "$(printf '%s\n' "$out" | sed -n '4,6p')"

# A transient plot: 'p(r1)' equals 'i(r1)'*'i(r1)'*1k at every point.
a=$("$cli" eval "$samples/amplifier-transient.out" "'p(r1)'" | tail -n +2)
b=$("$cli" eval "$samples/amplifier-transient.out" "'i(r1)'*'i(r1)'*1k" | tail -n +2)
n=$(printf '%s\n' "$a" | grep -c 'e')
[ "$n" -gt 2 ] || { echo "FAIL transient has no points"; fail=1; }
paste <(printf '%s\n' "$a") <(printf '%s\n' "$b") | awk -F'\t' 'NF==4 {
    if ($1 != $3) { print "FAIL x differs: " $0; bad=1 }
    d = $2 - $4; if (d < 0) d = -d; s = $2 < 0 ? -$2 : $2
    if (d > 1e-12 * s + 1e-300) { print "FAIL p(r1) differs: " $0; bad=1 } }
  END { exit bad }' || fail=1
printf '%s\n' "$a" | head -n 1 | grep -Eq '^[-0-9.]+e[-+][0-9]{3}	[-0-9.]+e[-+][0-9]{3}$' ||
  { echo "FAIL three-digit exponents"; fail=1; }

# The complex AC sweep: the magnitude of v(in) is 1 V at every frequency; x from --x.
ac=$("$cli" eval "$samples/filter-ac.out" --x "'frequency'/1k" "mag('v(in)')")
check "status ac" 0 $?
check "ac first point" "$(printf "mag('v(in)')\n1.000000e-002\t1.000000e+000")" \
  "$(printf '%s\n' "$ac" | head -n 2)"
check "ac point count" 101 "$(printf '%s\n' "$ac" | grep -c 'e+000$')"

# Plot selection: several-plots.out holds more than one plot.
"$cli" eval "$samples/several-plots.out" --plot 0 "1" >/dev/null
check "status --plot 0" 0 $?
"$cli" eval "$samples/several-plots.out" --plot 99 "1" >/dev/null 2>&1
check "status of a missing plot" 1 $?

err=$("$cli" eval "$samples/operating-point.out" "'no such'" 2>&1 >/dev/null)
check "status of an unknown name" 2 $?
echo "$err" | grep -q "not a variable" || { echo "FAIL unknown-name message: $err"; fail=1; }
"$cli" eval "$samples/operating-point.out" "2^3" >/dev/null 2>&1
check "status of a malformed text" 2 $?

out=$("$cli" eval "$samples/operating-point.out" "1" "1/0" 2>/tmp/ulmocli-eval-err.$$)
check "status of a division by zero" 3 $?
check "nothing printed on failure" "" "$out"
grep -qx "Divide by zero" /tmp/ulmocli-eval-err.$$ || { echo "FAIL no message"; fail=1; }
"$cli" eval "$samples/operating-point.out" "sqrt(-1)" >/dev/null 2>&1
check "status of a silent failure" 3 $?
rm -f /tmp/ulmocli-eval-err.$$

"$cli" eval "$samples/operating-point.out" >/dev/null 2>&1
check "usage" 1 $?
"$cli" info "$samples/operating-point.out" >/dev/null
check "info still works" 0 $?
exit $fail
