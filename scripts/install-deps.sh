#!/usr/bin/env bash
# Installs what building, testing and the sample need on a Debian machine
# (run as root). Safe to run again: installed packages are kept.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev chromium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
