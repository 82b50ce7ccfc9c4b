// The equipment summary's fast path: the grouped insert skips the lines
// that are no equipment, and each carry-over update is restricted to its
// candidate rows (see carry_over.h).
#include <optional>
#include <utility>
#include <vector>

#include "calc/carry_over.h"
#include "calc/context.h"
#include "calc/equipment_summary.h"

namespace ftcalc {

bool BuildEquipmentSummaryFast(EngineContext& ctx) {
  Database& db = ctx.db;
  if (db.Exec("update 设备汇总 set 上级编号=-2") < 0) return false;
  // The lines the quota step listed, where it did: the rest of the table
  // holds none the statement selects.
  std::optional<std::vector<int64_t>> lines = std::move(ctx.handoff.equipment_lines);
  ctx.handoff.equipment_lines.reset();
  if (db.Exec(EquipmentInsertStatement(ctx, /*skip_other_kinds=*/true,
                                       lines ? &*lines : nullptr)) < 0) {
    return false;
  }
  Query previous;
  if (!db.Open(previous, "select * from 设备汇总 where 上级编号=-2 order by 排序,编号")) {
    return false;
  }
  if (previous.RecordCount() > 0) {
    CarryOver carry(db, "设备汇总", EquipmentIdentity());
    if (!carry.LoadNewRows()) return false;
    for (previous.First(); !previous.Eof(); previous.Next()) {
      if (!carry.Apply(previous, "主要=" + CarriedValue(previous, "主要", CarryKind::kAsIs),
                       {"主要"})) {
        return false;
      }
    }
  }
  FinishEquipmentSummary(ctx);
  return true;
}

}  // namespace ftcalc
