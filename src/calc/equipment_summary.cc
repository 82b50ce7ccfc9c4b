#include "calc/equipment_summary.h"

#include "calc/carry_over.h"
#include "calc/context.h"
#include "calc/fast_path.h"

namespace ftcalc {

void BuildEquipmentSummary(EngineContext& ctx) {
  if (TryFastPath(ctx, "设备汇总", [&] { return BuildEquipmentSummaryFast(ctx); })) return;
  BuildEquipmentSummaryPlain(ctx);
}

std::string EquipmentKindsSelect(const std::string& other_alias) {
  return "select 编号 from " + other_alias + ".材料标志 where 名称 like '%设备%'";
}

// One line per distinct equipment (code, name, unit, prices, supplier,
// kind) over every material line whose kind name contains 设备. Each line
// counts with its own 实际量 times its quota's 工程量; unlike the material
// list, components are not multiplied by their composite and "//" quotas
// count. Price and quantity columns are compared as numbers (cast), so a
// text left in them never outranks a number. Rows that tie on code and
// name come in the order of the other grouped columns.
//
// The "+a.标志 in(...)" term is implied by the join on e and the kind name;
// it only lets the scan skip the joins of lines that are no equipment. The
// "+" keeps any index on 标志 out of the plan, so the lines still come in
// their scan order. So does "a.rowid in(...)": SQLite looks the listed
// rowids up in ascending order, and a, the left side of every join, stays
// the outer loop.
std::string EquipmentInsertStatement(const EngineContext& ctx, bool skip_other_kinds,
                                     const std::vector<int64_t>* only_lines) {
  std::string lines_term;
  if (only_lines != nullptr) {
    lines_term = "a.rowid in(";
    for (size_t i = 0; i < only_lines->size(); ++i) {
      if (i > 0) lines_term += ",";
      lines_term += std::to_string((*only_lines)[i]);
    }
    lines_term += ") and ";
  }
  const std::string qd = ctx.settings.QuantityDigits();
  const std::string& m = ctx.settings.other_library_alias;
  return "insert into 设备汇总(上级编号,编码,名称,单位,数量,基价,信息价,供应方,标志) "
         "SELECT 0,t.编码,t.名称,t.单位,FtRou(total(t.数量)," +
         qd +
         ") as 数量, t.基价,t.信息价,t.供应方,t.标志 FROM( SELECT "
         "(case when a.编码 is not null then a.编码 else b.编码 end) as 编码, "
         "(case when a.名称 is not null then a.名称 else b.名称 end) as 名称, "
         "(case when a.单位 is not null then a.单位 else b.单位 end) as 单位, "
         "(case when cast(a.基价 as real)<>0 then a.基价 else b.基价 end) as 基价, "
         "a.信息价, c.名称 as 三材,d.名称 as 供应方,e.名称 as 标志, "
         "FtRou(a.实际量*fb.工程量," +
         qd +
         ") as 数量 from 分部分项材料明细 a left join 分部分项 fb on fb.编号=a.主表 "
         "left join 定额材料明细 b on b.编号=a.材料编号 left join " +
         m + ".材料三材 c on c.编号=a.三材 left join " + m +
         ".材料供应方 d on d.编号=a.供应方 left join " + m +
         ".材料标志 e on e.编号=a.标志 where " + lines_term + "cast(a.实际量 as real)<>0 and " +
         (skip_other_kinds ? "+a.标志 in(" + EquipmentKindsSelect(m) + ") and " : std::string()) +
         "e.名称 like '%设备%'"
         " ) as t "
         " GROUP BY t.编码, t.名称, t.单位, t.基价,t.信息价, t.供应方, t.标志"
         " ORDER BY t.编码, t.名称, t.单位, t.基价, t.信息价, t.供应方, t.标志";
}

const std::vector<MatchColumn>& EquipmentIdentity() {
  static const std::vector<MatchColumn> columns = {
      {"编码", MatchKind::kText},   {"名称", MatchKind::kText},     {"单位", MatchKind::kText},
      {"基价", MatchKind::kNumber}, {"信息价", MatchKind::kNumber}, {"供应方", MatchKind::kText},
      {"标志", MatchKind::kText}};
  return columns;
}

void FinishEquipmentSummary(EngineContext& ctx) {
  const std::string d = ctx.settings.PriceDigits();
  ctx.db.Exec("delete from 设备汇总 where 上级编号=-2");
  // The information price wins when it is greater than 0.
  ctx.db.Exec(
      "update 设备汇总 set 合价=FtRou((case when cast(信息价 as real)>0 then 信息价 else 基价 "
      "end)*数量," +
      d + ")");
  ctx.db.Exec(
      "Insert into 设备汇总(上级编号,名称,标志,合价) select 0,'#### 合 计 ####','合计', "
      "FtRou(total(合价)," +
      d + ") as 合价 from 设备汇总");
  ctx.db.Exec("update 设备汇总 set 排序=编号");
}

}  // namespace ftcalc
