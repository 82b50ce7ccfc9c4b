# Shared by the reliability scripts (sourced, not run).
#
# Environment (set by CTest): FTCALC_BIN_DIR, the build's bin folder
# (ftcalc, libftcalc.so, ftcalc-projectgen); FTCALC_SOURCE_DIR, the
# repository. Each script works in a fresh folder under $FTCALC_WORK_ROOT
# (default /tmp), removed on exit.
set -euo pipefail

: "${FTCALC_BIN_DIR:?FTCALC_BIN_DIR must name the bin folder of a build}"
: "${FTCALC_SOURCE_DIR:?FTCALC_SOURCE_DIR must name the repository}"
FTCALC="$FTCALC_BIN_DIR/ftcalc"
SKIPPED=77  # CTest's SKIP_RETURN_CODE for these scripts
command -v sqlite3 >/dev/null || { echo "needs the sqlite3 shell" >&2; exit 1; }

WORK=$(mktemp -d "${FTCALC_WORK_ROOT:-/tmp}/ftcalc-reliability-XXXXXX")
cleanup_hooks=()
cleanup() {
  local hook
  for hook in "${cleanup_hooks[@]}"; do eval "$hook" || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
trap "exit 130" INT
trap "exit 143" TERM

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
finish() {
  if ((failures)); then
    echo "$failures failure(s)" >&2
    exit 1
  fi
  echo "ok"
}

# A small generated project in folder $1 (project.db, RoadLib.db, Other.db).
make_generated_project() {
  "$FTCALC_BIN_DIR/ftcalc-projectgen" "$1" --items "${2:-60}" --headings 12 --seed 7 >/dev/null
}

# The bundled sample in folder $1, under the same three names.
make_sample_project() {
  "$FTCALC_SOURCE_DIR/examples/make-sample.sh" "$1" >/dev/null
  mv "$1/sample.db" "$1/project.db"
}

# ftcalc calc on the project of folder $1, the host folder in $WORK/host;
# further arguments are passed on.
calc_in() {
  local dir=$1
  shift
  "$FTCALC" calc "$dir/project.db" --library "$dir/RoadLib.db" --other "$dir/Other.db" \
    --exe-dir "$WORK/host" --quiet "$@"
}
mkdir -p "$WORK/host"

# A fingerprint of a project's contents, the 工程号 row aside (the setup
# writes it before the calculation's transaction). Opening the file first
# rolls back a hot journal, as any host would.
state_of() {
  sqlite3 "$1" .dump | grep -Ev "^INSERT INTO \"?工程档案\"? VALUES\('工程号'," | md5sum | cut -d' ' -f1
}

# "ok" when SQLite finds the file sound.
integrity_of() {
  { sqlite3 "$1" "pragma integrity_check" 2>&1 || true; } | head -3 | tr '\n' ' ' | sed 's/ $//'
}

# Size, mtime (nanoseconds) and checksum of a file: equal only when nothing
# wrote it.
file_stamp() {
  echo "$(stat -c '%s %y' "$1") $(md5sum <"$1" | cut -d' ' -f1)"
}

# Holds a transaction on database $1 for $3 seconds in the background:
# $2 is "read" (a grid view's open read) or "write" (another writer).
# Returns once the lock is held; the holder's pid is in $HOLDER (killing it
# lets go of the lock).
hold_lock() {
  local db=$1 kind=$2 seconds=$3 sql
  case "$kind" in
    read) sql="BEGIN; select count(*) from 分部分项;" ;;
    write) sql="BEGIN IMMEDIATE;" ;;
  esac
  # The shell runs the statements, then reads its input until the sleep
  # ends; nothing of it keeps the test's output open.
  sqlite3 -cmd ".timeout 5000" -cmd "$sql" "$db" < <(exec sleep "$seconds" 2>/dev/null) \
    >/dev/null 2>&1 &
  HOLDER=$!
  # Held once a writer can no longer take what the holder keeps from it.
  local probe="BEGIN EXCLUSIVE; ROLLBACK;" tries=0
  [ "$kind" = write ] && probe="BEGIN IMMEDIATE; ROLLBACK;"
  while sqlite3 -cmd ".timeout 0" "$db" "$probe" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if ((tries > 200)); then echo "the $kind lock on $db was never taken" >&2; exit 1; fi
    sleep 0.01
  done
}
