#!/usr/bin/env bash
# Runs the extraction benchmark as alternating worker/floor pairs under Wine, each run into
# folders never used before (a folder deleted just before a run slows its file creation),
# prints every pair with its ratio and, last, the median ratio worker/floor.
#   run_pairs.sh BENCH_DIR RUNS_DIR [PAIRS]   (the Wine environment of scripts/wine-env.sh set, wineserver started)
set -euo pipefail
dir=$1 runs=$2 pairs=${3:-5}
mkdir -p "$runs"
ratios=()
for i in $(seq "$pairs"); do
  w=$("$WINE" "$dir/bench_extract.exe" "Z:$runs/worker-$i" "Z:$runs/temp-$i" </dev/null | tr -d '\r')
  f=$("$WINE" "$dir/bench_floor.exe" "Z:$dir/synthetic-suite/tree" "Z:$runs/floor-$i" </dev/null | tr -d '\r')
  ws=$(sed -n 's/.*: \([0-9.]*\) s$/\1/p' <<<"$w")
  fs=$(sed -n 's/.*: \([0-9.]*\) s$/\1/p' <<<"$f")
  [ -n "$ws" ] && [ -n "$fs" ] || { echo "pair $i: no timing in '$w' / '$f'" >&2; exit 1; }
  ratio=$(awk -v a="$ws" -v b="$fs" 'BEGIN { printf "%.2f", a / b }')
  ratios+=("$ratio")
  printf 'pair %d: worker %.3f s, floor %.3f s, ratio %s\n' "$i" "$ws" "$fs" "$ratio"
done
[ "$pairs" -gt 0 ] && echo "$w"
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median ratio worker/floor over $pairs pairs: $median"
