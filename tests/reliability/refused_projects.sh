#!/usr/bin/env bash
# Projects ftcalc cannot calculate are refused before the engine runs: a
# project another connection is writing, a read-only project or folder,
# libraries without the tables the calculation reads. Each gives exit 2,
# one line on stderr, and a project whose bytes and mtime are unchanged. A
# host folder that cannot be written gives one warning, not silence.
source "$(dirname "$0")/lib.sh"

make_sample_project "$WORK/s"
cp "$WORK/s/project.db" "$WORK/pristine.db"

# Runs "ftcalc $command" on folder $dir's project (further arguments passed
# on) as $runner, and checks that it is refused with a line matching $reason.
expect_refused() {
  local label=$1 reason=$2 dir=$3 command=$4
  shift 4
  local stamp code=0
  stamp=$(file_stamp "$dir/project.db")
  ${runner:-} "$FTCALC" "$command" "$dir/project.db" --library "$dir/RoadLib.db" \
    --other "$dir/Other.db" --exe-dir "$WORK/host" --quiet "$@" \
    >"$WORK/out" 2>"$WORK/err" || code=$?
  [ "$code" = 2 ] || fail "$label: exit $code, expected 2"
  [ "$(wc -l <"$WORK/err")" = 1 ] || fail "$label: expected one line on stderr, got: $(cat "$WORK/err")"
  grep -q -- "$reason" "$WORK/err" || fail "$label: the message does not say '$reason': $(cat "$WORK/err")"
  [ "$(file_stamp "$dir/project.db")" = "$stamp" ] || fail "$label: the project file was touched"
  [ ! -e "$dir/project.db-journal" ] || fail "$label: a journal was left beside the project"
  echo "$label: $(cat "$WORK/err")"
}

fresh() { cp "$WORK/pristine.db" "$WORK/s/project.db"; }

# Another writer holds the project past the wait.
for command in calc "recalc --kind 1 --item 67"; do
  fresh
  hold_lock "$WORK/s/project.db" write 3
  start=$(date +%s%N)
  # shellcheck disable=SC2086
  expect_refused "locked, $command" "is locked by another connection" "$WORK/s" $command --wait 0.5
  waited_ms=$((($(date +%s%N) - start) / 1000000))
  ((waited_ms >= 450)) || fail "locked, $command: refused after ${waited_ms} ms, before the wait ran out"
  kill "$HOLDER" 2>/dev/null || true
  wait "$HOLDER" 2>/dev/null || true
done

# Libraries without the tables the engine reads, or that are no database.
cp "$WORK/s/RoadLib.db" "$WORK/s/Other.db" "$WORK/"
fresh
sqlite3 "$WORK/s/RoadLib.db" "drop table 参数"
expect_refused "library without 参数" "library database '.*' lacks .*参数" "$WORK/s" calc
cp "$WORK/RoadLib.db" "$WORK/s/RoadLib.db"
sqlite3 "$WORK/s/Other.db" "drop table 材料供应方; drop table 材料三材"
expect_refused "recalc, other library without 材料三材, 材料供应方" \
  "other-quota database '.*' lacks .*材料三材, 材料供应方" "$WORK/s" recalc --kind 1 --item 67
printf 'SQLite format 3\000%01000d' 7 >"$WORK/s/Other.db"
expect_refused "other library that is no database" "Other.db' as 其他: file is not a database" "$WORK/s" calc
cp "$WORK/Other.db" "$WORK/s/Other.db"

# Read-only projects and folders. Root writes any file whatever its mode, so
# as root the runs are made as nobody (the binaries copied where nobody can
# reach them), and on a read-only mount where mounting works.
runner=
if [ "$(id -u)" = 0 ]; then
  if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    echo "skipped the read-only cases: running as root without setpriv or a nobody user"
    finish
    exit 0
  fi
  mkdir -p "$WORK/bin"
  cp "$FTCALC" "$FTCALC_BIN_DIR/libftcalc.so" "$WORK/bin/"
  FTCALC=$WORK/bin/ftcalc
  chmod 755 "$WORK" "$WORK/bin"
  chmod 777 "$WORK/host" "$WORK/s"
  chmod 644 "$WORK/s/"*.db
  runner="setpriv --reuid=nobody --regid=nogroup --clear-groups"
  as_owner() { chown nobody "$@"; }
else
  as_owner() { :; }
fi

fresh
chmod 444 "$WORK/s/project.db"
expect_refused "read-only project" "is read-only" "$WORK/s" calc
expect_refused "recalc, read-only project" "is read-only" "$WORK/s" recalc --kind 1 --item 67
chmod 644 "$WORK/s/project.db"

as_owner "$WORK/s/project.db"
chmod 555 "$WORK/s"
expect_refused "read-only folder" "its folder '.*' .* is not writable" "$WORK/s" calc
chmod 777 "$WORK/s"

# A host folder that cannot be written: one warning, and the run goes on.
mkdir -p "$WORK/closed"
chmod 555 "$WORK/closed"
fresh
as_owner "$WORK/s/project.db"
code=0
$runner "$FTCALC" calc "$WORK/s/project.db" --library "$WORK/s/RoadLib.db" --other "$WORK/s/Other.db" \
  --exe-dir "$WORK/closed" --quiet >"$WORK/out" 2>"$WORK/err" || code=$?
[ "$code" = 0 ] || fail "read-only host folder: exit $code, expected 0: $(cat "$WORK/err")"
[ "$(grep -c "warning: the host folder '$WORK/closed' cannot be written" "$WORK/err")" = 1 ] ||
  fail "read-only host folder: expected one warning, got: $(cat "$WORK/err")"
[ "$(wc -l <"$WORK/err")" = 1 ] || fail "read-only host folder: more than the warning: $(cat "$WORK/err")"
echo "read-only host folder: $(cat "$WORK/err")"

# A read-only mount, where root too is refused.
runner=
FTCALC=$FTCALC_BIN_DIR/ftcalc
if [ "$(id -u)" = 0 ] && mkdir -p "$WORK/ro" && mount -t tmpfs -o size=4m tmpfs "$WORK/ro" 2>/dev/null; then
  cleanup_hooks+=("mountpoint -q '$WORK/ro' && umount '$WORK/ro'")
  cp "$WORK/pristine.db" "$WORK/ro/project.db"
  cp "$WORK/s/RoadLib.db" "$WORK/s/Other.db" "$WORK/ro/"
  mount -o remount,ro "$WORK/ro"
  expect_refused "project on a read-only mount" "is read-only: Read-only file system" "$WORK/ro" calc
else
  echo "skipped the read-only mount: cannot mount a tmpfs here"
fi
finish
