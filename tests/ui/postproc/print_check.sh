#!/usr/bin/env bash
# print_check.sh SCRATCH: reads back the PDFs the printing scenarios left in SCRATCH, as a
# user would look at them, and turns their first pages into pictures beside them.
set -u
dir=$1
fail=0
# The page's text. The printer's fonts name '-' "hyphen", which reads back as a soft hyphen;
# and how wide a blank is drawn decides whether it reads back at all: texts are compared with
# their blanks taken out.
page_text() { pdftotext "$dir/$1" - 2>/dev/null | sed 's/\xc2\xad/-/g'; }
squeezed() { tr -d ' '; }
expect() {   # FILE TEXT...: each text is on the page
  local file=$1 text page; shift
  page=$(page_text "$file" | squeezed) && [ -n "$page" ] || { echo "$file: no readable PDF"; fail=1; return; }
  for text in "$@"; do
    grep -qF -- "$(squeezed <<<"$text")" <<<"$page" || { echo "$file: missing \"$text\""; fail=1; }
  done
}
reject() {   # FILE TEXT...: none of the texts is on the page
  local file=$1 text page; shift
  page=$(page_text "$file" | squeezed)
  for text in "$@"; do
    grep -qF -- "$(squeezed <<<"$text")" <<<"$page" && { echo "$file: unexpected \"$text\""; fail=1; }
  done
}

expect printed-graph.pdf "Ulmo-Dizid Graphical Postprocessor" "Circuit: Second-order section" \
  "Analysis: Pole-Zero Analysis" "Frequency" "[Hz]" "-2000.0" "-500.0" "Poles" "Zeros"
# The date line in the C runtime's form.
page_text printed-graph.pdf |
  grep -qE '^Date: (Mon|Tue|Wed|Thu|Fri|Sat|Sun) [A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}$' ||
  { echo "printed-graph.pdf: no date line"; fail=1; }
# The current plot was the transient; the header names the plot the graph shows.
reject printed-graph.pdf "Transient Analysis" "RC low-pass filter"
expect printed-table.pdf "Resistive divider from 5 V" "Operating Point" "Variables in circuit" "Values" \
  "v(1)" "5 V" "i(vdd)" "-0.0025 A" "p(r1)" "0.00625 W"
[ "$(pdfinfo "$dir/printed-table.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ] ||
  { echo "printed-table.pdf: not one page"; fail=1; }
expect printed-after-setup.pdf "Variables in circuit" "v(1)" "5 V"
# The job after a cancelled one is the one-page table alone.
[ "$(pdfinfo "$dir/printed-after-cancel.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ] ||
  { echo "printed-after-cancel.pdf: not the one-page table"; fail=1; }
for f in printed-graph printed-table; do
  [ -f "$dir/$f.pdf" ] && pdftoppm -r 60 -png -singlefile "$dir/$f.pdf" "$dir/$f"
done
exit $fail
