#!/usr/bin/env bash
# Cross-builds the engine for 32-bit Windows hosts into build/win32/bin:
#   ftcalc.dll   the engine (i686): QwD_GcJsDw, QwD_GcDbjs and
#                FtSetHostInterface, __stdcall, exported undecorated; it
#                imports sqlite3.dll and Windows' own DLLs only
#   sqlite3.dll  SQLite, built from its official source release
#   ftcalc.exe   the command-line host, loading ftcalc.dll as a Windows host
#                does (LoadLibrary, GetProcAddress)
#   and the test programs of tests/windows.
# Installs what it needs first (scripts/install-deps.sh windows); set
# FTCALC_SKIP_INSTALL=1 to skip that step.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${FTCALC_SKIP_INSTALL:-0}" = 1 ] || scripts/install-deps.sh windows

# SQLite: the official sqlite-autoconf release that npm's sqlite3 package
# 5.1.4 carries under deps/ (the npm registry is reachable here). It is
# SQLite 3.40.0, the release of Debian 12's own SQLite (3.40.1), so that the
# Linux and the Windows builds are compared on the same SQLite: 3.43 changed
# how sum() adds REAL values. Checksum of the tarball (SHA-256):
sqlite_version=3.40.0
sqlite_release=sqlite-autoconf-3400000
sqlite_sha256=0333552076d2700c75352256e91c78bf5cd62491589ba0c69aed0a81868980e7
npm_package=sqlite3@5.1.4

out=build/win32
deps=$out/deps
mkdir -p "$deps"
tarball=$deps/$sqlite_release.tar.gz
if ! echo "$sqlite_sha256  $tarball" | sha256sum -c --status 2>/dev/null; then
  command -v npm >/dev/null || { echo "build-windows.sh: npm is needed to fetch SQLite's source" >&2; exit 1; }
  fetch=$(mktemp -d)
  trap 'rm -rf "$fetch"' EXIT
  (cd "$fetch" && npm pack --silent "$npm_package" >/dev/null)
  tar -xzf "$fetch"/sqlite3-*.tgz -C "$fetch" "package/deps/$sqlite_release.tar.gz"
  mv "$fetch/package/deps/$sqlite_release.tar.gz" "$tarball"
fi
if ! echo "$sqlite_sha256  $tarball" | sha256sum -c --status; then
  echo "build-windows.sh: $tarball does not match its checksum; refusing to build" >&2
  rm -f "$tarball"
  exit 1
fi
if [ ! -f "$deps/$sqlite_release/sqlite3.c" ]; then
  tar -xzf "$tarball" -C "$deps" "$sqlite_release/sqlite3.c" "$sqlite_release/sqlite3.h" \
    "$sqlite_release/sqlite3ext.h"
fi

# CLI11 is header-only: its Debian headers, copied apart from the rest of
# /usr/include so that no Linux header reaches the cross compiler.
mkdir -p "$deps/include"
rm -rf "$deps/include/CLI"
cp -a /usr/include/CLI "$deps/include/CLI"

cmake -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DFTCALC_WERROR=ON -DFTCALC_BUILD_TESTS=ON \
  -DFTCALC_SQLITE_SOURCE_DIR="$PWD/$deps/$sqlite_release" \
  -DFTCALC_CLI11_INCLUDE_DIR="$PWD/$deps/include" >/dev/null
nice -n 10 cmake --build "$out" -j"${FTCALC_JOBS:-2}"
echo "Windows build (SQLite $sqlite_version) in $out/bin: $(cd "$out/bin" && echo *.dll *.exe)"
