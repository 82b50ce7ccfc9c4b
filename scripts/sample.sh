#!/usr/bin/env bash
# Sets up, builds, and recalculates the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFTCALC_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
out=build/sample
mkdir -p "$out"
examples/make-sample.sh "$out"
build/release/bin/ftcalc calc "$out/sample.db" --library "$out/RoadLib.db" --other "$out/Other.db" \
  --exe-dir "$out"
