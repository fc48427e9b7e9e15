#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh

jobs=${TELMORA_JOBS:-2}

echo "== plain build"
cmake --preset default -DTELMORA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== sanitizer build"
cmake --preset asan -DTELMORA_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== fuzz run"
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_isybau
./scripts/fuzz.sh "${TELMORA_FUZZ_SECONDS:-60}"
