#!/usr/bin/env bash
# ftcalc calc killed with SIGKILL at random moments of a calculation: the
# project is afterwards either as it was before or as the whole calculation
# leaves it (the 工程号 row aside), and SQLite finds it sound.
#   killed_runs.sh [TRIALS]   (default 24; seeded from $FTCALC_SEED when set)
source "$(dirname "$0")/lib.sh"
trials=${1:-24}
RANDOM=${FTCALC_SEED:-$$}
echo "seed ${FTCALC_SEED:-$$}"

make_generated_project "$WORK/gen"
cp "$WORK/gen/project.db" "$WORK/before.db"
before=$(state_of "$WORK/before.db")

# The state after, and how long a whole run takes here and now.
start=$(date +%s%N)
calc_in "$WORK/gen" >/dev/null
run_ms=$((($(date +%s%N) - start) / 1000000))
after=$(state_of "$WORK/gen/project.db")
[ "$before" != "$after" ] || fail "the calculation changed nothing; the trials would prove nothing"
echo "a whole run takes ${run_ms} ms"

mkdir -p "$WORK/trial"
cp "$WORK/gen/RoadLib.db" "$WORK/gen/Other.db" "$WORK/trial/"
kept_before=0 kept_after=0
for ((i = 1; i <= trials; i++)); do
  cp "$WORK/before.db" "$WORK/trial/project.db"
  rm -f "$WORK/trial/project.db-journal"
  # Any moment from the start of the process to a little past its end.
  delay_ms=$((RANDOM % (run_ms * 11 / 10 + 1)))
  # Started directly, so that $! is ftcalc itself and not a subshell.
  "$FTCALC" calc "$WORK/trial/project.db" --library "$WORK/trial/RoadLib.db" \
    --other "$WORK/trial/Other.db" --exe-dir "$WORK/host" --quiet >/dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  integrity=$(integrity_of "$WORK/trial/project.db")
  [ "$integrity" = ok ] || fail "trial $i (killed at ${delay_ms} ms): integrity_check says: $integrity"
  state=$(state_of "$WORK/trial/project.db")
  if [ "$state" = "$before" ]; then
    kept_before=$((kept_before + 1))
  elif [ "$state" = "$after" ]; then
    kept_after=$((kept_after + 1))
  else
    fail "trial $i (killed at ${delay_ms} ms): the project is neither as before nor as after"
    "$FTCALC_SOURCE_DIR/bench/dbdiff" "$WORK/before.db" "$WORK/trial/project.db" | tail -3 >&2 || true
  fi
done
echo "$trials kills: $kept_before left the project as before, $kept_after as after"
finish
