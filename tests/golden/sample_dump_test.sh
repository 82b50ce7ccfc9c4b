#!/usr/bin/env bash
# The calculated sample, every value with its storage class, against the
# dump checked in beside this script. Run once with the fast paths and once
# with FTCALC_PLAIN=1: a fast path that drifts from its plain statements,
# or any change of a stored result, shows here as a difference.
# Usage: tests/golden/sample_dump_test.sh BIN_DIR [SOURCE_DIR]
set -euo pipefail
bin=$1
root=${2:-$(cd "$(dirname "$0")/../.." && pwd)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/examples/make-sample.sh" "$work" >/dev/null
"$bin/ftcalc" calc "$work/sample.db" --library "$work/RoadLib.db" --other "$work/Other.db" \
  --exe-dir "$work" --quiet >"$work/summary.txt"
"$root/bench/dbdiff" --dump "$work/sample.db" >"$work/sample.dump"
if ! diff -u "$root/tests/golden/sample.dump" "$work/sample.dump" >"$work/diff.txt"; then
  head -60 "$work/diff.txt"
  echo "the calculated sample differs from tests/golden/sample.dump (FTCALC_PLAIN=${FTCALC_PLAIN:-})"
  exit 1
fi
echo "sample dump equal ($(wc -l <"$work/sample.dump") rows, FTCALC_PLAIN=${FTCALC_PLAIN:-})"
