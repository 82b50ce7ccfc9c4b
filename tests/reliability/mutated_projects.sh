#!/usr/bin/env bash
# A few hundred damaged copies of the sample (tables and columns dropped,
# text in number columns, NULLs, quotes, bad formulas, cycles in the item
# tree, broken settings and parameters) calculated one after the other. Run
# on the ASan + UBSan build: no run may crash, hang, trip a sanitizer or
# exit with anything but 0, 1 or 2, and every project stays sound.
#   mutated_projects.sh [LIMIT]   (at most LIMIT runs; all by default)
# In memory where the machine has it: hundreds of commits need no disk sync.
if [ -z "${FTCALC_WORK_ROOT:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export FTCALC_WORK_ROOT=/dev/shm
fi
source "$(dirname "$0")/lib.sh"
limit=${1:-100000}
# A sanitizer's report fails the run whatever the exit status it leaves.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

make_sample_project "$WORK/base"

# One mutation a line: the file to damage (project, library or other), a
# tab, the SQL that damages it.
mutations=$WORK/mutations
{
  # Every table dropped, in each of the three files.
  for db in project library other; do
    file=$WORK/base/project.db
    [ "$db" = library ] && file=$WORK/base/RoadLib.db
    [ "$db" = other ] && file=$WORK/base/Other.db
    sqlite3 -separator $'\t' "$file" \
      "select '$db', 'drop table \"'||name||'\"' from sqlite_master where type='table'"
    # Every column, in turn dropped, set to NULL, to text that is no number,
    # to text that starts like one, and to text with quotes and a comment.
    sqlite3 -separator $'\t' "$file" "
      select '$db', case (c.cid + length(t.name)) % 5
        when 0 then 'alter table \"'||t.name||'\" drop column \"'||c.name||'\"'
        when 1 then 'update \"'||t.name||'\" set \"'||c.name||'\"=NULL'
        when 2 then 'update \"'||t.name||'\" set \"'||c.name||'\"=''abc'''
        when 3 then 'update \"'||t.name||'\" set \"'||c.name||'\"='' 12.5e3x '''
        else 'update \"'||t.name||'\" set \"'||c.name||'\"=''O''''Brien\"\"--;'''
        end
      from sqlite_master t, pragma_table_info(t.name) c where t.type='table'"
  done
  # Formulas the fee sheets cannot evaluate.
  for formula in "((" "<1>/0" "SQRT(-1)+LOG(0)" "1E999*<1>" "[费率:" "[系统:不存在]" "<99>" \
    "MAX(" "1)+(2" "2^2^2^2^2^2^2^2" "--1" "<1><2>" "''" "$(printf '1+%.0s' {1..400})1"; do
    quoted=${formula//\'/\'\'}
    printf 'project\tupdate 工程取费 set 公式=%s\n' "'$quoted'"
    printf 'project\tupdate 分部分项取费明细 set 公式=%s where 编号%%3=0\n' "'$quoted'"
  done
  # Cycles and orphans in the item tree, and rows with no key.
  printf 'project\tupdate 分部分项 set 上级编号=编号 where 编号 in(3,12,25)\n'
  printf 'project\tupdate 分部分项 set 上级编号=case 编号 when 11 then 17 when 17 then 20 when 20 then 11 else 上级编号 end\n'
  printf 'project\tupdate 分部分项 set 上级编号=上级编号+1000 where 编号%%4=0\n'
  printf 'project\tupdate 分部分项 set 上级编号=编号+1 where 标志 not in(%s)\n' "'定额'"
  printf 'project\tupdate 分部分项材料明细 set 主表=-1 where 编号%%2=0\n'
  printf 'project\tupdate 分部分项 set 标志=NULL where 标志=%s\n' "'项'"
  # Broken parameters and settings.
  for block in "价格小数位=340" "价格小数位=-3" "价格小数位=abc" "工程量小数位=99999999999" \
    "工程量小数位=" "=" "价格小数位=2=3"; do
    printf 'library\tupdate 参数 set 内容=%s where 名称=%s\n' "'$block'" "'计算设置'"
    printf 'project\tinsert into 参数(名称,内容) values(%s,%s)\n' "'${block%%=*}'" "'${block#*=}'"
  done
  for content in "" "=" "人工" "人工=9:" "材料=0:;1:" "材料=:材料" "'" "select" \
    "清单法;select 1/0 as 合价" "select 'x' as 合价" "分部分项=不存在的列" "备注=1" \
    "$(printf 'x%.0s' {1..2000})"; do
    quoted=${content//\'/\'\'}
    printf 'library\tupdate 计算设置 set 内容=%s where 上级编号<>0\n' "'$quoted'"
    printf 'library\tupdate 计算设置 set 内容=%s where 编号 in(1,3)\n' "'$quoted'"
  done
  printf 'library\tupdate 计算设置 set 上级编号=编号\n'
  printf 'library\tdelete from 计算设置\n'
  printf 'project\tupdate 工程档案 set 内容=NULL\n'
  printf 'project\tdelete from 工程档案\n'
  printf 'project\tupdate 工程取费 set 主表=NULL\n'
  printf 'project\tupdate 取费索引 set 类别=%s\n' "'综合单价'"
} >"$mutations"

head -n "$limit" "$mutations" >"$WORK/chosen"
echo "$(wc -l <"$WORK/chosen") of $(wc -l <"$mutations") mutations"

# Runs every $2-th mutation from the $1-th on, in a folder of its own; one
# line per run in $WORK/exits.$1 (the exit status), failures on stderr and
# counted in $WORK/failed.$1.
run_mutations() {
  local worker=$1 workers=$2 n=0 db sql file code run=$WORK/run.$1
  mkdir -p "$run"
  : >"$WORK/exits.$worker"
  failures=0
  while IFS=$'\t' read -r db sql; do
    n=$((n + 1))
    (((n - 1) % workers == worker)) || continue
    cp "$WORK/base/project.db" "$WORK/base/RoadLib.db" "$WORK/base/Other.db" "$run/"
    case "$db" in
      project) file=$run/project.db ;;
      library) file=$run/RoadLib.db ;;
      other) file=$run/Other.db ;;
    esac
    # A mutation SQLite refuses (a column that cannot be dropped) still runs.
    sqlite3 "$file" "$sql" 2>/dev/null || true
    code=0
    timeout 60 "$FTCALC" calc "$run/project.db" --library "$run/RoadLib.db" \
      --other "$run/Other.db" --exe-dir "$WORK/host" --quiet >"$run/out" 2>"$run/err" ||
      code=$?
    echo "$code" >>"$WORK/exits.$worker"
    if [ "$code" -gt 2 ] || grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$run/err"; then
      fail "exit $code on $db: $sql"
      grep -E -A8 "AddressSanitizer|LeakSanitizer|runtime error:" "$run/err" | head -20 >&2 || true
      continue
    fi
    local integrity
    integrity=$(integrity_of "$run/project.db")
    [ "$integrity" = ok ] || fail "integrity_check after $db: $sql: $integrity"
  done <"$WORK/chosen"
  echo "$failures" >"$WORK/failed.$worker"
}

# Two at a time: each run is one short process, mostly the sanitizers' own
# start and end.
run_mutations 0 2 &
run_mutations 1 2
wait
failures=$(($(cat "$WORK/failed.0") + $(cat "$WORK/failed.1")))
echo "$(cat "$WORK"/exits.* | wc -l) runs; by exit status:" \
  "$(sort -n "$WORK"/exits.* | uniq -c | awk '{printf "%s%s: %s", (NR > 1 ? ", " : ""), $2, $1}')"
finish
