#!/usr/bin/env bash
# Installs what is missing, builds, and starts TELMORA on the bundled sample file.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset default >/dev/null
cmake --build build -j"${TELMORA_JOBS:-2}" --target telmora
exec build/telmora samples/kanalnetz.h
