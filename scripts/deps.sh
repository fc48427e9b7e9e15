#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TELMORA need, when they are missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libxlsxwriter-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    python3 python3-xlrd poppler-utils fonts-liberation xvfb xauth time locales
)
# Not needed to build or test: libreoffice-calc-nogui opens the written workbooks for a check by hand
# (soffice --headless --convert-to csv file.xls).

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# A German locale, so the tests can show that reading numbers does not depend on it.
german_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
}

if [ ${#missing[@]} -eq 0 ]; then
    german_locale
    exit 0
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
german_locale
