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
/usr/bin/time -f "%e %U %S %M" -o "$dir/time" build/telmora-batch print "$dir/netz.h" --out "$dir/pdf" > "$dir/written"
read -r wall user sys peak < "$dir/time"
written=$(wc -l < "$dir/written")
# The machine may be shared: the rate on processor time says what one free core would do.
printf 'print %d sections x %d observations: %d PDF files (%s MB) in %.1f s = %.0f sections/s; ' \
    "$sections" "$observations" "$written" "$(du -sm "$dir/pdf" | cut -f1)" "$wall" "$(echo "$written / $wall" | bc -l)"
printf 'processor time %.1f s = %.0f sections/s; peak %s KB\n' \
    "$(echo "$user + $sys" | bc -l)" "$(echo "$written / ($user + $sys)" | bc -l)" "$peak"
