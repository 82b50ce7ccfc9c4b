#!/usr/bin/env bash
# The project on a small tmpfs that fills up during the calculation: the run
# says so (exit 1) and the project is as it was before (the 工程号 row
# aside), sound. Needs to mount a tmpfs: as root, or in a user namespace of
# its own; skipped with a message where neither works.
source "$(dirname "$0")/lib.sh"

disk=$WORK/disk
mkdir -p "$disk"
cleanup_hooks+=("mountpoint -q '$disk' && umount '$disk'")
if mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  umount "$disk"
elif [ "${FTCALC_IN_NAMESPACE:-}" != 1 ] && unshare --user --map-root-user --mount true 2>/dev/null; then
  # Not allowed here: run again as root of a user and mount namespace.
  cleanup
  trap - EXIT
  exec env FTCALC_IN_NAMESPACE=1 unshare --user --map-root-user --mount bash "$0" "$@"
else
  echo "skipped: cannot mount a tmpfs here (not root, no user namespaces)"
  exit "$SKIPPED"
fi

make_generated_project "$WORK/gen" 40
before=$(state_of "$WORK/gen/project.db")
cp "$WORK/gen/project.db" "$WORK/calculated.db"
"$FTCALC" calc "$WORK/calculated.db" --library "$WORK/gen/RoadLib.db" --other "$WORK/gen/Other.db" \
  --exe-dir "$WORK/host" --quiet >/dev/null
after=$(state_of "$WORK/calculated.db")
size=$(stat -c %s "$WORK/gen/project.db")

# One run with the project on a tmpfs that holds it and $2 bytes more.
# $1 is the command, the rest its own arguments.
on_full_disk() {
  local command=$1 spare=$2
  shift 2
  local label="$command with $spare bytes to spare"
  mountpoint -q "$disk" && umount "$disk"
  mount -t tmpfs -o size=$(((size + 4095) / 4096 * 4096 + spare)) tmpfs "$disk"
  cp "$WORK/gen/project.db" "$disk/"
  local code=0
  "$FTCALC" "$command" "$disk/project.db" --library "$WORK/gen/RoadLib.db" \
    --other "$WORK/gen/Other.db" --exe-dir "$WORK/host" --quiet "$@" \
    >"$WORK/out" 2>"$WORK/err" || code=$?
  if [ "$code" = 0 ] && [ "$(state_of "$disk/project.db")" = "$after" ]; then
    echo "$label: the disk did not fill (saved in full)"
    return
  fi
  [ "$code" = 1 ] || fail "$label: exit $code, expected 1"
  grep -q "database or disk is full" "$WORK/err" || fail "$label: no message says the disk is full"
  grep -q "not saved" "$WORK/err" || fail "$label: no message says the results were not saved"
  # Read back from a copy where there is room (a hot journal is rolled back).
  cp "$disk/project.db" "$WORK/back.db"
  [ -f "$disk/project.db-journal" ] && cp "$disk/project.db-journal" "$WORK/back.db-journal"
  local integrity
  integrity=$(integrity_of "$WORK/back.db")
  [ "$integrity" = ok ] || fail "$label: integrity_check says: $integrity"
  [ "$(state_of "$WORK/back.db")" = "$before" ] || {
    fail "$label: the project is not as it was before"
    "$FTCALC_SOURCE_DIR/bench/dbdiff" "$WORK/gen/project.db" "$WORK/back.db" | tail -3 >&2 || true
  }
  rm -f "$WORK/back.db" "$WORK/back.db-journal"
  echo "$label: exit $code"
}

# The journal alone needs about as much as the pages it saves: these fill
# the disk early in the run, midway, and about when it commits (a disk that
# does not fill must leave the whole calculation saved).
for spare in 16384 $((size / 8)) $((size / 3)); do
  on_full_disk calc "$spare"
done
on_full_disk recalc 0 --kind 1 --item 30
finish
