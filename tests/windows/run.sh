#!/usr/bin/env bash
# The Windows build under a Windows loader (Wine), against the Linux build:
#   1. ftcalc.dll's exports and imports (objdump);
#   2. the GBK conversion (code page 936) against the Linux build's (glibc);
#   3. the sample and a generated project, calculated in full and partly by
#      ftcalc.exe under Wine and by the Linux ftcalc: bench/dbdiff finds
#      every value and storage class equal;
#   4. a host written in C, under zh_CN.UTF-8 (code page 936), with the
#      project, the library and the host itself in folders named in Chinese;
#   5. the engine's own windows under Xvfb: a project with two failing
#      statements, its error windows read through their controls by another
#      process, captured, closed with Esc; the progress window cancelled.
# Run by scripts/test.sh after the Linux build (build/release). Skipped, with
# a message, only where Wine cannot be installed. Screenshots and the probe's
# report stay in build/win32/artifacts.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
linux_bin=$root/build/release/bin
win=$root/build/win32
work=$win/test
artifacts=$win/artifacts

if ! scripts/install-deps.sh windows; then
  echo "SKIPPED: the Windows tests: Wine (wine32:i386) or the MinGW-w64 cross compiler cannot be installed on this machine"
  exit 0
fi
FTCALC_SKIP_INSTALL=1 scripts/build-windows.sh
[ -x "$linux_bin/ftcalc" ] || { echo "run.sh: the Linux build is missing ($linux_bin)" >&2; exit 1; }

failures=0
passes=0
pass() { echo "ok: $*"; passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- 1. What the DLL exports and imports -------------------------------------
objdump=$(i686-w64-mingw32-objdump -p "$win/bin/ftcalc.dll")
export_table=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$objdump")
grep -m1 "file format" <<<"$objdump"
echo "$export_table"
grep "DLL Name" <<<"$objdump"
exports=$(sed -n 's/^\s*\[ *[0-9]*\] //p' <<<"$export_table" | sort | tr '\n' ' ')
[ "$exports" = "FtSetHostInterface QwD_GcDbjs QwD_GcJsDw " ] &&
  pass "ftcalc.dll exports exactly FtSetHostInterface, QwD_GcDbjs, QwD_GcJsDw, undecorated" ||
  fail "ftcalc.dll exports: $exports"
grep -q "file format pei-i386" <<<"$objdump" && pass "ftcalc.dll is i686" || fail "ftcalc.dll is not i686"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$objdump" | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
grep -qw "sqlite3.dll" <<<"$imports" && pass "ftcalc.dll imports sqlite3.dll" || fail "no sqlite3.dll import: $imports"
unexpected=$(tr ' ' '\n' <<<"$imports" | grep -v -x -e '' -e sqlite3.dll -e kernel32.dll -e user32.dll \
  -e gdi32.dll -e msvcrt.dll || true)
[ -z "$unexpected" ] && pass "besides sqlite3.dll only Windows' own DLLs (no MinGW runtime)" ||
  fail "ftcalc.dll imports $unexpected"
for exe in ftcalc.exe sqlite3.dll test_host.exe window_probe.exe; do
  runtime=$(i686-w64-mingw32-objdump -p "$win/bin/$exe" | sed -n 's/^\s*DLL Name: //p' | grep -i '^lib' || true)
  [ -z "$runtime" ] || fail "$exe needs a MinGW runtime DLL: $runtime"
done

# --- Wine: a prefix of our own, a virtual screen -----------------------------
export WINEPREFIX=$win/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$display"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
fi
# Debian's Wine does not find its own fonts (fonts-wine) by itself; the window
# frames draw their buttons with Marlett.
cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
# One virtual desktop of 1280 x 800: Wine draws the windows' frames itself,
# as Windows does, and a screenshot of the desktop shows them.
cat >"$win/desktop.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x800"
EOF
wine regedit /S "Z:${win//\//\\}\\desktop.reg" >/dev/null 2>&1
wineserver -w

winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
rm -rf "$work" "$artifacts"
mkdir -p "$work" "$artifacts"

# Calculates DIR/PROJECT with the Linux host and, on a copy, with ftcalc.exe.
calc_both() {
  local dir=$1 project=$2 library=$3 other=$4
  mkdir -p "$dir/linux" "$dir/windows"
  cp "$dir/$project" "$dir/$library" "$dir/$other" "$dir/linux/"
  cp "$dir/$project" "$dir/$library" "$dir/$other" "$dir/windows/"
  "$linux_bin/ftcalc" calc "$dir/linux/$project" --library "$dir/linux/$library" \
    --other "$dir/linux/$other" --exe-dir "$dir/linux" --quiet >"$dir/linux.out" 2>&1 || true
  wine "$win/bin/ftcalc.exe" calc "$(winpath "$dir/windows/$project")" \
    --library "$(winpath "$dir/windows/$library")" --other "$(winpath "$dir/windows/$other")" \
    --exe-dir "$(winpath "$dir/windows")" --quiet >"$dir/windows.out" 2>&1 || true
}

# Edits the first quota's quantity in both copies and recalculates it.
recalc_both() {
  local dir=$1 project=$2 library=$3 other=$4 item
  item=$(sqlite3 "$dir/linux/$project" "select min(编号) from 分部分项 where 标志='定额'")
  for side in linux windows; do
    sqlite3 "$dir/$side/$project" "update 分部分项 set 工程量=工程量*3+1 where 编号=$item"
  done
  "$linux_bin/ftcalc" recalc "$dir/linux/$project" --library "$dir/linux/$library" \
    --other "$dir/linux/$other" --exe-dir "$dir/linux" --kind 1 --item "$item" --quiet \
    >"$dir/linux-recalc.out" 2>&1 || true
  wine "$win/bin/ftcalc.exe" recalc "$(winpath "$dir/windows/$project")" \
    --library "$(winpath "$dir/windows/$library")" --other "$(winpath "$dir/windows/$other")" \
    --exe-dir "$(winpath "$dir/windows")" --kind 1 --item "$item" --quiet \
    >"$dir/windows-recalc.out" 2>&1 || true
}

same() {
  local what=$1 a=$2 b=$3 result
  if result=$(bench/dbdiff "$a" "$b" 2>&1); then
    pass "$what: Linux and Windows $result"
  else
    echo "$result"
    fail "$what: Linux and Windows differ"
  fi
}

# --- 2. GBK: Windows' code page 936 against glibc's GBK ----------------------
"$linux_bin/gbk_table" >"$work/gbk-linux.txt"
wine "$win/bin/gbk_table.exe" | tr -d '\r' >"$work/gbk-windows.txt"
cmp -s "$work/gbk-linux.txt" "$work/gbk-windows.txt" &&
  pass "GBK: the Windows build converts the $(wc -l <"$work/gbk-linux.txt") texts of the table as the Linux build" ||
  fail "GBK: the Windows build converts differently: $(diff "$work/gbk-linux.txt" "$work/gbk-windows.txt" | head -4 | tr '\n' ' ')"
# Spot checks from the GB 2312 code chart: 中 D6D0, 价 BCDB; € is 80.
grep -qx "U+4E2D D6 D0" "$work/gbk-windows.txt" && grep -qx "U+4EF7 BC DB" "$work/gbk-windows.txt" &&
  grep -qx "U+20AC 80" "$work/gbk-windows.txt" && pass "GBK: 中, 价 and € as the code chart has them" ||
  fail "GBK: 中, 价 or € not as the code chart has them"

# --- 3. The sample and a generated project -----------------------------------
examples/make-sample.sh "$work/sample" >/dev/null
calc_both "$work/sample" sample.db RoadLib.db Other.db
grep -q "工程造价" "$work/sample/windows.out" || { cat "$work/sample/windows.out"; fail "ftcalc.exe calc printed no summary"; }
diff <(sed 's/\r$//' "$work/sample/windows.out") "$work/sample/linux.out" >/dev/null &&
  pass "sample: ftcalc.exe prints the Linux host's summary" || fail "sample: the summaries differ"
same "sample, full calculation" "$work/sample/linux/sample.db" "$work/sample/windows/sample.db"
recalc_both "$work/sample" sample.db RoadLib.db Other.db
same "sample, partial recalculation" "$work/sample/linux/sample.db" "$work/sample/windows/sample.db"

"$linux_bin/ftcalc-projectgen" "$work/generated" --items 40 --headings 12 --seed 7 >/dev/null
calc_both "$work/generated" project.db RoadLib.db Other.db
same "generated project (40 items), full calculation" \
  "$work/generated/linux/project.db" "$work/generated/windows/project.db"
recalc_both "$work/generated" project.db RoadLib.db Other.db
same "generated project, partial recalculation" \
  "$work/generated/linux/project.db" "$work/generated/windows/project.db"

# --- 4. A host in C, Chinese paths, code page 936 -----------------------------
# The host, the engine and sqlite3.dll in a folder named in Chinese (ExeDir,
# User.INI, Tmp), the project and the library too (the library's alias is
# its Chinese base name).
host_dir="$work/宿主 程序"
data_dir="$work/工程 数据"
mkdir -p "$host_dir" "$data_dir/linux"
cp "$win/bin/test_host.exe" "$win/bin/ftcalc.dll" "$win/bin/sqlite3.dll" "$host_dir/"
cp "$work/sample/sample.db" "$data_dir/示例工程.db"
cp "$work/sample/RoadLib.db" "$data_dir/公路定额库.db"
cp "$work/sample/Other.db" "$data_dir/其他定额.db"
cp "$data_dir"/*.db "$data_dir/linux/"
"$linux_bin/ftcalc" calc "$data_dir/linux/示例工程.db" --library "$data_dir/linux/公路定额库.db" \
  --other "$data_dir/linux/其他定额.db" --exe-dir "$data_dir/linux" --quiet >/dev/null 2>&1 || true
project=$(sqlite3 "$data_dir/linux/示例工程.db" "select min(编号) from 分部分项 where 标志='定额'")
sqlite3 "$data_dir/linux/示例工程.db" "update 分部分项 set 工程量=工程量*2 where 编号=$project"
"$linux_bin/ftcalc" recalc "$data_dir/linux/示例工程.db" --library "$data_dir/linux/公路定额库.db" \
  --other "$data_dir/linux/其他定额.db" --exe-dir "$data_dir/linux" --kind 1 --item "$project" \
  --quiet >/dev/null 2>&1 || true
if LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$host_dir/test_host.exe" calc \
  "$(winpath "$data_dir/示例工程.db")" "$(winpath "$data_dir/公路定额库.db")" \
  "$(winpath "$data_dir/其他定额.db")" >"$work/test_host.out" 2>&1; then
  pass "C host, Chinese paths, code page 936: $(grep -c '^ok:' "$work/test_host.out") checks"
else
  fail "C host, Chinese paths, code page 936"
fi
sed 's/\r$//' "$work/test_host.out" | sed 's/^/    /'
grep -q "ANSI code page: 936" "$work/test_host.out" || fail "the C host did not run in code page 936"
same "C host (full calculation, then a partial one)" "$data_dir/linux/示例工程.db" "$data_dir/示例工程.db"

# ftcalc.exe takes the same Chinese paths as the engine does (code page 936);
# where the code page cannot write them (1252, the code page of the C.UTF-8
# locale under Wine), it says so and touches nothing.
mkdir -p "$data_dir/exe"
cp "$work/sample/sample.db" "$data_dir/exe/示例工程.db"
cp "$work/sample/RoadLib.db" "$data_dir/exe/公路定额库.db"
cp "$work/sample/Other.db" "$data_dir/exe/其他定额.db"
exe_args=("$(winpath "$data_dir/exe/示例工程.db")" --library "$(winpath "$data_dir/exe/公路定额库.db")"
  --other "$(winpath "$data_dir/exe/其他定额.db")" --quiet)
status=0
LANG=C.UTF-8 LC_ALL=C.UTF-8 wine "$win/bin/ftcalc.exe" calc "${exe_args[@]}" >"$work/exe-1252.out" 2>&1 || status=$?
[ "$status" = 2 ] && grep -q "cannot be written in this system's code page (1252)" "$work/exe-1252.out" &&
  cmp -s "$data_dir/exe/示例工程.db" "$work/sample/sample.db" &&
  pass "ftcalc.exe refuses a path code page 1252 cannot write (exit 2, project untouched)" ||
  { cat "$work/exe-1252.out"; fail "ftcalc.exe with a path code page 1252 cannot write (exit $status)"; }
LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$win/bin/ftcalc.exe" calc "${exe_args[@]}" >"$work/exe-936.out" 2>&1 &&
  diff <(sed 's/\r$//' "$work/exe-936.out") "$work/sample/linux.out" >/dev/null &&
  pass "ftcalc.exe calculates a project named in Chinese under code page 936" ||
  { cat "$work/exe-936.out"; fail "ftcalc.exe with Chinese paths under code page 936"; }

# --- 5. The engine's own windows -------------------------------------------
# Two failing statements from the library's settings: the '不算价差' list of
# the material prices (a syntax error) and a configured total naming a
# column that does not exist. Each opens the error window; the calculation
# waits, then goes on.
broken="$work/broken"
mkdir -p "$broken"
cp "$work/sample/sample.db" "$work/sample/RoadLib.db" "$work/sample/Other.db" "$broken/"
sqlite3 "$broken/RoadLib.db" "update 计算设置 set 内容='''人工'',,''机械''' where 名称='不算价差';
  insert into 计算设置(编号,上级编号,名称,内容) values(99,6,'坏的合计','select total(不存在的列) as 合价 from 分部分项');"
calc_both "$broken" sample.db RoadLib.db Other.db
grep -qx "数据库错误: 2" "$broken/linux.out" || fail "the broken project gives two errors on Linux"
mkdir -p "$broken/host"
cp "$win/bin/test_host.exe" "$win/bin/ftcalc.dll" "$win/bin/sqlite3.dll" "$broken/host/"
cp "$work/sample/sample.db" "$broken/host/sample.db"
wine "$win/bin/window_probe.exe" "$(winpath "$artifacts/probe.txt")" "$(winpath "$artifacts")" \
  >/dev/null 2>&1 &
probe=$!
if LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 timeout 180 wine "$broken/host/test_host.exe" windows \
  "$(winpath "$broken/host/sample.db")" "$(winpath "$broken/RoadLib.db")" \
  "$(winpath "$broken/Other.db")" >"$work/windows_host.out" 2>&1; then
  pass "C host with the engine's own windows: $(grep -c '^ok:' "$work/windows_host.out") checks"
else
  fail "C host with the engine's own windows"
fi
sed 's/\r$//' "$work/windows_host.out" | sed 's/^/    /'
# The probe ends when the host's window is gone; it gets 30 s more at most.
for _ in $(seq 300); do kill -0 "$probe" 2>/dev/null || break; sleep 0.1; done
kill "$probe" 2>/dev/null || true
wait "$probe" || true
sed 's/^/    /' "$artifacts/probe.txt"
probe_has() { grep -qxF "$1" "$artifacts/probe.txt" && pass "$2" || fail "$2 (no line: $1)"; }
probe_has "error windows: 2" "two error windows, one per failing statement"
probe_has "error 1 caption: 请将错误信息内容复制给技术人员" "the error window's caption"
probe_has "error 1 message: near \",\": syntax error" "error 1 shows SQLite's message"
grep -q "^error 1 statement: update 材料价格 set 价差=.* where  标志 not in('人工',,'机械')$" "$artifacts/probe.txt" &&
  pass "error 1 shows the failing statement" || fail "error 1 shows the failing statement"
probe_has "error 2 message: no such column: 不存在的列" "error 2 shows SQLite's message"
probe_has "error 2 statement: select total(不存在的列) as 合价 from 分部分项" "error 2 shows the failing statement"
probe_has "error 1 owner: host" "the error window is owned by the host's main window"
probe_has "error 1 progress owner: host" "the progress window is owned by the host's main window"
grep -q "^error 1 progress: 计算:材料价格 某高速公路K0+000~K5+200段 | 70%$" "$artifacts/probe.txt" &&
  pass "the progress window shows the step and its position" || fail "the progress window shows the step and its position"
label1=$(sed -n 's/^error 1 progress: //p' "$artifacts/probe.txt")
probe_has "error 2 progress: $label1" "after cancel the progress window stays as it was (the calculation goes on)"
probe_has "error 1 details: hidden yes, message box grows yes, restored yes" "详 细 hides the details and restores them"
probe_has "error 1 closed by Esc: yes" "Esc closes error window 1"
probe_has "error 2 closed by Esc: yes" "Esc closes error window 2"
probe_has "screenshot error window: saved" "screenshots taken"
same "the engine's own windows, after both errors" "$broken/linux/sample.db" "$broken/host/sample.db"

if ((failures)); then
  echo "Windows tests: $failures failed"
  exit 1
fi
echo "$passes" >"$artifacts/passed"
echo "Windows tests: $passes passed (screenshots in build/win32/artifacts)"
