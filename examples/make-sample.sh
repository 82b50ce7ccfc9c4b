#!/bin/sh
# Build the sample databases from the SQL text beside this script.
#
#   examples/make-sample.sh OUTDIR
#
# creates (replacing existing files)
#   OUTDIR/sample.db   the project database
#   OUTDIR/RoadLib.db  the library database (attach it as RoadLib)
#   OUTDIR/Other.db    the other-quota library (attach it as 其他)
set -eu

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
if ! command -v sqlite3 >/dev/null 2>&1; then
  echo "$0: the sqlite3 command-line shell is required but was not found in PATH" >&2
  echo "$0: install it (Debian/Ubuntu: apt-get install sqlite3) and run again" >&2
  exit 1
fi

here=$(cd "$(dirname "$0")" && pwd)
out=$1
mkdir -p "$out"

build() {
  db=$1; shift
  rm -f "$db" "$db-journal" "$db-wal" "$db-shm"
  if ! cat "$@" | sqlite3 -bail "$db"; then
    echo "$0: failed to build $db" >&2
    rm -f "$db"
    exit 1
  fi
}

build "$out/sample.db"  "$here/schema/project.sql" "$here/sample/project.sql"
build "$out/RoadLib.db" "$here/schema/library.sql" "$here/sample/library.sql"
build "$out/Other.db"   "$here/schema/other.sql"   "$here/sample/other.sql"

echo "sample databases written to $out: sample.db RoadLib.db Other.db"
