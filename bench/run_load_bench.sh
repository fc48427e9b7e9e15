#!/usr/bin/env bash
# Generates a file of about 100 MB and measures loading, listing and parsing against `wc -l`.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bench/load_bench
[ -x "$bench" ] || { echo "build first: cmake --build build --target load_bench"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/gross.h"
"$bench" generate "$file" "${1:-100}" 20
cat "$file" > /dev/null # into the page cache, for every contender alike
start=$(date +%s.%N); wc -l "$file" > /dev/null; end=$(date +%s.%N)
mb=$(du -m "$file" | cut -f1)
echo "wc -l: $(echo "$mb / ($end - $start)" | bc -l | xargs printf '%.0f') MB/s"
for i in 1 2 3; do "$bench" load "$file"; done
"$bench" parse "$file"
