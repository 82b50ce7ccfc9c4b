#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite twice: a normal build, then
# one under AddressSanitizer and UndefinedBehaviorSanitizer; then a short
# fuzzing run of the formula engine; finally the Windows build under Wine
# (tests/windows/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

# Wine and the cross compiler install while the Linux builds compile.
mkdir -p build
scripts/install-deps.sh windows >build/install-windows.log 2>&1 &
windows_install=$!

# Optimised without debug information: the tests need none, and leaving it
# out takes a fifth off this build's time (the ASan build below keeps it,
# for its stack traces).
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DFTCALC_WERROR=ON \
  -DFTCALC_BUILD_TESTS=ON >/dev/null
cmake --build build/release -j"$jobs"
# Each run's report is kept beside its build, for the count at the end.
ctest --test-dir build/release --output-on-failure -j"$jobs" | tee build/release/ctest.log

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DFTCALC_WERROR=ON -DFTCALC_SANITIZE=ON \
  -DFTCALC_BUILD_TESTS=ON >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" | tee build/asan/ctest.log

if [ -x bench/fuzz_formula.sh ]; then
  # A smoke run that keeps the whole command under 20 minutes; longer runs:
  # bench/fuzz_formula.sh SECONDS.
  bench/fuzz_formula.sh "${FTCALC_FUZZ_SECONDS:-30}"
fi

# The Windows checks count as tests; where Wine cannot be installed they are
# skipped, saying so.
windows_checks=0 windows_skipped=0
if wait "$windows_install"; then
  bash tests/windows/run.sh
  windows_checks=$(cat build/win32/artifacts/passed 2>/dev/null || echo 0)
else
  tail -5 build/install-windows.log
  echo "SKIPPED: the Windows tests: Wine or the MinGW-w64 cross compiler cannot be installed on this machine"
  windows_skipped=1
fi

# Every run passed (set -e): say so on the last line, in the plain form.
# The two builds run different reliability scripts; a script that could not
# run here (CTest's "Skipped") or waits for work ("Disabled") is counted apart.
total=0 skipped=0
for build in build/release build/asan; do
  total=$((total + $(ctest --test-dir "$build" -N | sed -n 's/^Total Tests: *//p')))
  skipped=$((skipped + $(grep -cE '^[[:space:]]+[0-9]+ - .*\((Skipped|Disabled)\)$' "$build/ctest.log" || true)))
done
echo "tests: $((total - skipped + windows_checks)) passed, 0 failed, $((skipped + windows_skipped)) skipped"
