#!/usr/bin/env bash
# Installs what the project needs on a Debian machine (run as root).
#   install-deps.sh build   building the engine and the host, and the sample
#   install-deps.sh test    also the test suite: GoogleTest, Google Benchmark,
#                           clang for the fuzzer, Chromium for the report test,
#                           Debian's python3 with openpyxl to read the
#                           workbooks (its sqlite3 module loads the SQLite
#                           extension), file (cpack reads the package's
#                           dependencies with it)
# Safe to run again: installed packages are kept.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3
  libcli11-dev
  libxlsxwriter-dev
)
if [ "${1:-test}" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev chromium
    python3 python3-openpyxl file)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
