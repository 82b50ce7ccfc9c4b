#!/usr/bin/env bash
# Installs what the project needs on a Debian machine (run as root).
#   install-deps.sh build   building the engine and the host, and the sample
#   install-deps.sh test    also the test suite: GoogleTest, Google Benchmark,
#                           clang for the fuzzer, Chromium for the report test,
#                           Debian's python3 with openpyxl to read the
#                           workbooks (its sqlite3 module loads the SQLite
#                           extension), file (cpack reads the package's
#                           dependencies with it)
#   install-deps.sh windows the Windows build and its tests: the MinGW-w64
#                           cross compiler (posix threads), Wine (32-bit)
#                           with its fonts, Xvfb, a small CJK font and the
#                           zh_CN.UTF-8 locale
# Safe to run again: installed packages are kept.
set -euo pipefail
mode=${1:-test}
packages=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3
  libcli11-dev
  libxlsxwriter-dev
)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev chromium
    python3 python3-openpyxl file)
fi
update=false
if [ "$mode" = windows ]; then
  packages+=(g++-mingw-w64-i686-posix wine wine32:i386 fonts-wine xvfb fonts-wqy-microhei locales)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    update=true
  fi
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  update=true
fi
if $update; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
fi
if ((${#missing[@]})); then
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$mode" = windows ] && ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  # Wine takes the ANSI code page from the locale: zh_CN.UTF-8 gives 936.
  localedef -i zh_CN -c -f UTF-8 -A /usr/share/locale/locale.alias zh_CN.UTF-8
fi
