#!/usr/bin/env bash
# Benchmark by hand, not in CI: builds Release, generates the five input shapes outside the repo
# and times vesqor against the parse-only floor on each. About a minute at 5 runs; 0.6 GB of data.
#
# Usage: bench/run.sh [DATA_DIR [RUNS]]     (defaults: /tmp/vesqor-bench, 5)
#
# Per shape, runs parse-only and vesqor alternately RUNS times and prints the medians of wall
# time and peak resident memory (/usr/bin/time %M), segments per second and bytes per segment
# (segments as listed in the file, fillers not counted), and the median over runs of the ratio
# vesqor / parse-only. Then prints the sha256 of every vesqor.out, to compare between versions.
# Remove the data folder when done.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
data="${1:-/tmp/vesqor-bench}"
runs="${2:-5}"
build="$repo/build-bench"
shapes=(items long cases churn hoard)
seed=1

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j --target vesqor vesqor-gen vesqor-parse-only >/dev/null
solver="$build/vesqor"
parse="$build/bench/vesqor-parse-only"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs a command in a folder; prints "seconds peak_kb".
measure() {
  local dir="$1"
  shift
  local t0 t1
  t0=$(date +%s%N)
  (cd "$dir" && /usr/bin/time -f %M -o "$dir/.rss" "$@" >/dev/null)
  t1=$(date +%s%N)
  echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f", (b - a) / 1e9 }') $(tail -n 1 "$dir/.rss")"
}

declare -A segments
for shape in "${shapes[@]}"; do
  mkdir -p "$data/$shape"
  segments[$shape]=$("$build/tools/vesqor-gen" "$shape" "$seed" 2>&1 >"$data/$shape/vesqor.in" |
    awk '{ print $1 }')
done

printf '| Shape | File | Segments | vesqor | Segments/s | Peak RSS | Bytes/segment | Parse-only | Ratio |\n'
printf '|---|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for shape in "${shapes[@]}"; do
  dir="$data/$shape"
  : >"$dir/.runs"
  for ((r = 0; r < runs; r++)); do
    read -r pt _ < <(measure "$dir" "$parse" vesqor.in)
    read -r st skb < <(measure "$dir" "$solver")
    echo "$pt $st $skb" >>"$dir/.runs"
  done
  pt=$(awk '{ print $1 }' "$dir/.runs" | median)
  st=$(awk '{ print $2 }' "$dir/.runs" | median)
  skb=$(awk '{ print $3 }' "$dir/.runs" | median)
  ratio=$(awk '{ print $2 / $1 }' "$dir/.runs" | median)
  segs=${segments[$shape]}
  mb=$(($(stat -c %s "$dir/vesqor.in") / 1000000))
  awk -v shape="$shape" -v mb="$mb" -v segs="$segs" -v st="$st" -v skb="$skb" -v pt="$pt" \
    -v ratio="$ratio" 'BEGIN {
      printf "| %s | %d MB | %.2fM | %.2f s | %.1fM | %.0f MB | %.1f | %.2f s | %.2f |\n",
        shape, mb, segs / 1e6, st, segs / st / 1e6, skb / 1000, skb * 1024 / segs, pt, ratio }'
done
echo
for shape in "${shapes[@]}"; do
  echo "$(sha256sum <"$data/$shape/vesqor.out" | awk '{ print $1 }')  $shape"
done
