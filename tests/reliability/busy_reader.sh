#!/usr/bin/env bash
# Another connection holds a read transaction on the project (a host's grid
# view) while ftcalc calculates: either the results are saved once the
# reader has gone (within --wait), or the exit status and a clear message
# say that they were not, and the project is as it was.
source "$(dirname "$0")/lib.sh"

make_generated_project "$WORK/gen" 40
cp "$WORK/gen/project.db" "$WORK/before.db"
before=$(state_of "$WORK/before.db")
calc_in "$WORK/gen" >/dev/null
after=$(state_of "$WORK/gen/project.db")
mkdir -p "$WORK/p"
cp "$WORK/gen/RoadLib.db" "$WORK/gen/Other.db" "$WORK/p/"

# One run with a reader holding its transaction for $1 seconds and ftcalc
# waiting up to $2; $3 is what must come of it: saved, not-saved or either.
# $4.. are the ftcalc command and its arguments after the project.
with_reader() {
  local hold=$1 wait=$2 expect=$3 command=$4
  shift 4
  local label="$command with a reader for ${hold} s, --wait ${wait}"
  cp "$WORK/before.db" "$WORK/p/project.db"
  hold_lock "$WORK/p/project.db" read "$hold"
  local code=0
  "$FTCALC" "$command" "$WORK/p/project.db" --library "$WORK/p/RoadLib.db" \
    --other "$WORK/p/Other.db" --exe-dir "$WORK/host" --quiet --wait "$wait" "$@" \
    >"$WORK/out" 2>"$WORK/err" || code=$?
  kill "$HOLDER" 2>/dev/null || true
  wait "$HOLDER" 2>/dev/null || true
  local state
  state=$(state_of "$WORK/p/project.db")
  if [ "$command" = calc ] && [ "$state" = "$after" ]; then
    [ "$expect" != not-saved ] || fail "$label: saved, but the reader outlasted the wait"
    ! grep -q "not saved" "$WORK/err" || fail "$label: saved, yet a message says it was not"
  elif [ "$code" = 0 ]; then
    [ "$expect" != not-saved ] || fail "$label: exit 0, but the reader outlasted the wait"
    [ "$command" = recalc ] || fail "$label: exit 0, results not saved"
  else
    [ "$expect" != saved ] || fail "$label: exit $code, but the reader left within the wait"
    [ "$code" = 1 ] || fail "$label: exit $code, expected 1"
    grep -q "not saved" "$WORK/err" || fail "$label: no message says the results were not saved"
    grep -q "database is locked" "$WORK/err" || fail "$label: the message does not say why"
    [ "$state" = "$before" ] || fail "$label: not saved, yet the project changed"
  fi
  echo "$label: exit $code"
  sed 's/^/    /' "$WORK/err"
}

with_reader 1 8 saved calc
with_reader 6 1 not-saved calc
with_reader 6 1 not-saved recalc --kind 1 --item 30
# Around the edge either outcome is sound, as long as it is told truthfully:
# here the setup's own write may give up on the reader while the commit
# outlasts it.
with_reader 2 2 either calc
with_reader 1.5 1 either calc
finish
