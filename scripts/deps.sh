#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TELMORA need, when they are missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libxlsxwriter-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    python3 python3-xlrd poppler-utils fonts-liberation xvfb xauth time
)
# Not needed to build or test: libreoffice-calc-nogui opens the written workbooks for a check by hand
# (soffice --headless --convert-to csv file.xls).

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
