#!/usr/bin/env bash
# The engine's layers include one another one way only:
#   entry -> engine -> calc -> formula -> data -> platform
# with ui (the host interface) used by entry, engine and calc only, and
# platform (the operating system) under every layer, itself including none;
# and SQLite is called from src/data alone, the tools included. The
# extension's entry file is the one exception: it is the extension's own
# interface to the client's SQLite (registering its functions, reading
# their arguments, returning results).
# Usage: tests/layering/layering_test.sh [SOURCE_DIR]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 1
status=0

fail() {
  echo "layering: $*"
  status=1
}

# The layers each layer may include (besides its own and the public header).
allowed() {
  case $1 in
    platform) echo "" ;;
    data) echo "platform" ;;
    formula) echo "data platform" ;;
    ui) echo "platform" ;;
    calc) echo "formula data ui platform" ;;
    engine) echo "calc formula data ui platform" ;;
    entry) echo "engine calc formula data ui platform" ;;
  esac
}

for layer in platform data formula ui calc engine entry; do
  [ -d "src/$layer" ] || fail "no folder src/$layer"
  ok=" $layer $(allowed "$layer") "
  while IFS= read -r line; do
    file=${line%%:*}
    included=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")
    [ "$included" = "ftcalc" ] && continue
    [[ "$ok" == *" $included "* ]] || fail "$file includes $included/ ($line)"
  done < <(grep -rn '#include "[a-z_]*/' "src/$layer" --include=*.cc --include=*.h)
done

# Only src/data includes SQLite's own headers; everything else reaches them
# through data/sqlite_api.h, for the handle and result-code types.
while IFS= read -r line; do
  fail "SQLite's header included outside src/data: $line"
done < <(grep -rn '#include <sqlite3' src tools --include=*.cc --include=*.h |
  grep -v '^src/data/' | grep -v '^tools/sqlite_ext/extension\.cc:')

while IFS= read -r line; do
  fail "SQLite called outside src/data: $line"
done < <(grep -rn 'sqlite3_[a-z]' src tools --include=*.cc --include=*.h |
  grep -v '^src/data/' | grep -v '^tools/sqlite_ext/extension\.cc:' |
  grep -vE ':[0-9]+:\s*//')

[ $status -eq 0 ] && echo "layering: every include runs down the layers; SQLite is called from src/data alone"
exit $status
