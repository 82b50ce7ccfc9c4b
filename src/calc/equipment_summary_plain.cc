// The equipment summary by its plain statements.
#include <vector>

#include "calc/carry_over.h"
#include "calc/context.h"
#include "calc/equipment_summary.h"

namespace ftcalc {
void BuildEquipmentSummaryPlain(EngineContext& ctx) {
  Database& db = ctx.db;
  db.Exec("update 设备汇总 set 上级编号=-2");
  db.Exec(EquipmentInsertStatement(ctx, /*skip_other_kinds=*/false));
  // The user's 主要 mark goes from each previous line to the new lines with
  // the same seven values, compared NULL-safely.
  Query previous;
  db.Open(previous, "select * from 设备汇总 where 上级编号=-2 order by 排序,编号");
  for (previous.First(); !previous.Eof(); previous.Next()) {
    db.Exec("update 设备汇总 set 主要=" + CarriedValue(previous, "主要", CarryKind::kAsIs) +
            " where " + CarryOverConditions(EquipmentIdentity(), previous, {}));
  }
  FinishEquipmentSummary(ctx);
}

}  // namespace ftcalc
