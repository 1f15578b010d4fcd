#!/usr/bin/env bash
# Installs every Debian package Corvane needs to build, run and test. Safe to run again.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
PACKAGES=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
  libsqlcipher-dev sqlcipher
  libxlsxwriter-dev libminizip-dev libfreexl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-noto-cjk xvfb xauth poppler-utils xlsx2csv
  libgl-dev libxkbcommon-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
