#!/usr/bin/env bash
# Runs the fuzz target for the given number of seconds (default 60) from the committed seed corpus.
# Build it first: cmake --preset fuzz && cmake --build build-fuzz --target fuzz_isybau
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* samples/*.h "$work"/
ASAN_OPTIONS=detect_leaks=1 build-fuzz/tests/fuzz/fuzz_isybau -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 "$work" 2>&1 | tail -n 15
echo "fuzz run: ${seconds} s without a crash, hang or leak"
