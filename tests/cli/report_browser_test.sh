#!/usr/bin/env bash
# The report as an estimator sees it: the sample project calculated, its
# HTML page opened in headless Chromium without network, a screenshot taken,
# and the rendered page's text checked for the project total and every
# chapter name.
#
#   report_browser_test.sh FTCALC_BINARY SOURCE_DIR [OUTDIR]
#
# OUTDIR keeps report.html, report.png and dom.html (default: a temporary
# folder, removed afterwards).
set -euo pipefail

fail() { echo "report_browser_test: $*" >&2; exit 1; }

[ $# -ge 2 ] || fail "usage: $0 FTCALC_BINARY SOURCE_DIR [OUTDIR]"
ftcalc=$1
source_dir=$2
chromium=${CHROMIUM:-/usr/bin/chromium}

[ -x "$ftcalc" ] || fail "ftcalc binary not found: $ftcalc"
if [ ! -x "$chromium" ]; then
  fail "Chromium is not installed ($chromium); install it with 'apt-get install chromium' (scripts/install-deps.sh does)"
fi
command -v sqlite3 >/dev/null || fail "the sqlite3 shell is required (apt-get install sqlite3)"

work=$(mktemp -d /tmp/ftcalc-browser-XXXXXX)
profile=$(mktemp -d /tmp/ftcalc-chromium-XXXXXX)
out=${3:-$work}
mkdir -p "$out"
cleanup() { rm -rf "$profile" "$work"; }
trap cleanup EXIT

"$source_dir/examples/make-sample.sh" "$work" >/dev/null
libs=(--library "$work/RoadLib.db" --other "$work/Other.db")
"$ftcalc" calc "$work/sample.db" "${libs[@]}" --exe-dir "$work" --quiet >"$work/calc.txt" ||
  fail "ftcalc calc failed: $(cat "$work/calc.txt")"
"$ftcalc" report "$work/sample.db" "${libs[@]}" --html "$out/report.html" ||
  fail "ftcalc report failed"

# The total as the project stores it ("59779719.57元" -> 59779719.57).
total=$("$ftcalc" sql "$work/sample.db" "select 内容 from 工程档案 where 名称='工程造价'")
total=${total%元}
[ -n "$total" ] || fail "the sample has no 工程造价 after calc"

browser=("$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run
  --disable-background-networking --disable-component-update --disable-sync
  --user-data-dir="$profile" --window-size=1280,1800)
rm -f "$out/report.png"
timeout 120 "${browser[@]}" --screenshot="$out/report.png" "file://$out/report.html" \
  >"$work/chromium-shot.log" 2>&1 || fail "chromium --screenshot failed: $(tail -5 "$work/chromium-shot.log")"
timeout 120 "${browser[@]}" --dump-dom "file://$out/report.html" >"$out/dom.html" \
  2>"$work/chromium-dom.log" || fail "chromium --dump-dom failed: $(tail -5 "$work/chromium-dom.log")"

[ -s "$out/report.png" ] || fail "no screenshot was written"
[ "$(head -c 8 "$out/report.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
  fail "the screenshot is not a PNG"

grep -q "<h1>" "$out/dom.html" || fail "the page did not render: $(head -c 300 "$out/dom.html")"
grep -qF "$total" "$out/dom.html" || fail "the page does not show the project total $total"
for chapter in 第100章 第200章 第300章 第400章 第500章 第600章 第700章; do
  grep -qF "$chapter" "$out/dom.html" || fail "the page does not show $chapter"
done
echo "report_browser_test: the page shows $total and chapters 100 to 700"
[ -z "${3:-}" ] || echo "report_browser_test: screenshot $out/report.png"
