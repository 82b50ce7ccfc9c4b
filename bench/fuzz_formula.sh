#!/bin/sh
# Fuzzes the formula engine for SECONDS seconds (default 60) with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, in its own clang build
# folder. Exits non-zero on any crash, hang, leak or sanitizer report; the
# reproducer is then left in the build folder (crash-*, timeout-*, ...).
#
#   bench/fuzz_formula.sh 300
#
# Environment: FTCALC_FUZZ_BUILD_DIR (default: build/fuzz in the source
# tree, so that another checkout's build never gets in the way),
# FTCALC_FUZZ_JOBS (build parallelism, default 2).
set -eu

seconds=${1:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${FTCALC_FUZZ_BUILD_DIR:-$source_dir/build/fuzz}
jobs=${FTCALC_FUZZ_JOBS:-2}

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFTCALC_BUILD_FUZZ=ON \
  -DFTCALC_BUILD_TESTS=OFF -DFTCALC_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$jobs" --target fuzz_formula

# A small seed corpus of typical and tricky formulas; the fuzzer adds to it.
corpus="$build_dir/fuzz_formula_corpus"
mkdir -p "$corpus"
i=0
for seed in "180.25*5%" "(100+50+30.25)*0.05" "1234.56*0.0325+MAX(0,12.5)" \
            "100-(-5)+3" "MIN(MAX(1,5),3)" "SQRT(0.000001)" "LOG10(1000)" \
            "2^3^2" "1)+(2" "1+1&0" "CINT(-2.7)+INT(2.7)" "(1,-2)" "2PI" \
            "1000*[费率:管理费=3.5%]+[实际:运费=350.50]" "[系统:直接费]*[费率:a]"; do
  printf '%s' "$seed" > "$corpus/seed$i"
  i=$((i + 1))
done

cd "$build_dir"
exec ./bin/fuzz_formula "$corpus" \
  -dict="$source_dir/bench/fuzz_formula.dict" \
  -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
  -print_final_stats=1
