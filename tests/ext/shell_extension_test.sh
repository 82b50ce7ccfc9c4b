#!/usr/bin/env bash
# The SQLite extension in the sqlite3 shell: `.load ./ftcalc_ext` from the
# extension's folder, then the calculation on a copy of the sample, which
# must leave the same values as the ftcalc host on another copy; FtRou on
# the rounding examples; a refused call that leaves the file as it was.
#   shell_extension_test.sh BIN_DIR SOURCE_DIR
set -euo pipefail
bin=$1 src=$2
tmp=$(mktemp -d /tmp/ftcalc-shell-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$src/examples/make-sample.sh" "$tmp" >/dev/null
mkdir "$tmp/host_run" "$tmp/shell_run" "$tmp/exe"
cp "$tmp/sample.db" "$tmp/host_run/"
cp "$tmp/sample.db" "$tmp/shell_run/"
libs=("$tmp/RoadLib.db" "$tmp/Other.db")

shell() {  # shell DB SQL...: the sqlite3 shell in the extension's folder
  local db=$1; shift
  (cd "$bin" && sqlite3 -bail "$db" ".load ./ftcalc_ext" "$@")
}

"$bin/ftcalc" calc "$tmp/host_run/sample.db" --library "${libs[0]}" --other "${libs[1]}" \
  --exe-dir "$tmp/exe" --quiet --json >"$tmp/host.json"
shell "$tmp/shell_run/sample.db" \
  "select ftcalc_calculate('${libs[0]}', '${libs[1]}', '$tmp/exe');" >"$tmp/shell.json"
# The same summary but for the engine call's wall time.
strip_time() { grep -v '"milliseconds"' "$1"; }
diff <(strip_time "$tmp/host.json") <(strip_time "$tmp/shell.json") ||
  fail "the shell's summary differs from ftcalc calc --json"
grep -q '"error_count": 0,' "$tmp/shell.json" || fail "errors reported: $(cat "$tmp/shell.json")"
"$src/bench/dbdiff" "$tmp/host_run/sample.db" "$tmp/shell_run/sample.db" ||
  fail "the shell's calculation differs from ftcalc calc"

# FtRou: halves up (towards plus infinity), NULL and unreadable text read as
# 0 or as their leading number, NULL decimals as 0, the 0.00001 tolerance at
# one half with decimals. It stays usable after a calculation.
expected='3.0|-2.0|0.0|12.35|3.0|1.01|2.0|1.23'
got=$(shell ":memory:" "select FtRou(2.5,0), FtRou(-2.5,0), FtRou(NULL,2), FtRou('12.345abc',2),
  FtRou(2.5,NULL), FtRou(1.005,2), FtRou(2.4999999,0), FtRou(1.23498,2);")
[ "$got" = "$expected" ] || fail "FtRou gave $got, expected $expected"
got=$(shell "$tmp/shell_run/sample.db" \
  "select length(ftcalc_calculate('${libs[0]}', '${libs[1]}', '$tmp/exe')) > 0, FtRou(2.5,0);")
[ "$got" = "1|3.0" ] || fail "FtRou after a calculation gave $got"

# A missing library: a clear error from the shell, the project untouched.
before=$(sha256sum <"$tmp/shell_run/sample.db")
if out=$(shell "$tmp/shell_run/sample.db" \
  "select ftcalc_calculate('$tmp/missing.db', '${libs[1]}');" 2>&1); then
  fail "a missing library was not refused: $out"
fi
[[ "$out" == *"ftcalc_calculate: cannot open library database '$tmp/missing.db'"* ]] ||
  fail "unclear message: $out"
[ "$(sha256sum <"$tmp/shell_run/sample.db")" = "$before" ] || fail "the refused call changed the file"
echo "sqlite3 shell: calculation equal to ftcalc calc, FtRou as the engine rounds, refusal clean"
