#!/usr/bin/env bash
# Serial print of every section of a generated file (default 1,000 sections of 20 observations) into
# one PDF per section through the batch tool: sections per second and peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/telmora-batch ] && [ -x build/bench/load_bench ] || { echo "build first"; exit 1; }
sections=${1:-1000}
observations=${2:-20}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
build/bench/load_bench sections "$dir/netz.h" "$sections" "$observations"
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$dir/peak" build/telmora-batch print "$dir/netz.h" --out "$dir/pdf" > "$dir/written"
end=$(date +%s.%N)
written=$(wc -l < "$dir/written")
seconds=$(echo "$end - $start" | bc -l)
printf 'print %d sections x %d observations: %d PDF files, %.1f s, %.0f sections/s, peak %s KB, %s MB of PDF\n' \
    "$sections" "$observations" "$written" "$seconds" "$(echo "$written / $seconds" | bc -l)" \
    "$(cat "$dir/peak")" "$(du -sm "$dir/pdf" | cut -f1)"
