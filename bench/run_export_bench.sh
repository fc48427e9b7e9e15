#!/usr/bin/env bash
# Exports generated files of 10,000 and 20,000 sections (20 observations each) through the batch tool,
# as .xls and as .xlsx: wall time and peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/telmora-batch ] && [ -x build/bench/load_bench ] || { echo "build first"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for sections in ${@:-10000 20000}; do
    build/bench/load_bench sections "$dir/netz$sections.h" "$sections" 20
    for format in "" --xlsx; do
        /usr/bin/time -f "%e s, peak %M KB" -o "$dir/time" build/telmora-batch export "$dir/netz$sections.h" $format >/dev/null
        echo "export $sections sections x 20 observations ${format:-(.xls)}: $(cat "$dir/time")"
    done
done
