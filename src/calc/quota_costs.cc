#include "calc/quota_costs.h"

#include <vector>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "data/fields.h"

namespace ftcalc {

void CalculateQuotaCosts(EngineContext& ctx, const std::string& item) {
  if (TryFastPath(ctx, "定额人材机", [&] { return CalculateQuotaCostsFast(ctx, item); })) return;
  // Nothing the fast path worked out ahead holds after it declined.
  ctx.handoff.DropMaterialList();
  CalculateQuotaCostsPlain(ctx, item);
}

LineSource MaterialLineTables() {
  LineSource source;
  source.from = " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号";
  source.from_with_quota =
      " from 分部分项材料明细 a left join 分部分项 fb on fb.编号=a.主表 left join 定额材料明细 b "
      "on b.编号=a.材料编号";
  source.price = LinePriceSql("b.基价");
  source.unit = LineUnitSql("b.单位");
  return source;
}

std::string SumScope(const std::string& item, const std::string& exclusion_list) {
  std::string scope;
  if (item != "0") scope += " a.主表=" + item + " and ";
  if (!exclusion_list.empty()) scope += " a.主表 not in(" + exclusion_list + ") and ";
  return scope;
}

namespace {

// Writes `prefix` + 合计 into the row 主表 for every row of `sums`, one
// short statement each by key (prepared once, the numbers bound).
void WriteSums(EngineContext& ctx, Query& sums, const std::string& prefix) {
  const std::string pattern = prefix + "{} where 编号={}";
  std::vector<std::string> numbers(2);
  for (sums.First(); !sums.Eof(); sums.Next()) {
    numbers[0] = FieldNumberLiteral(sums, "合计");
    numbers[1] = FieldNumberLiteral(sums, "主表");
    ctx.db.ExecNumbers(pattern, numbers);
  }
}

}  // namespace

void SumQuotaComponent(EngineContext& ctx, const LineSource& source, const std::string& item,
                       const std::string& exclusion_list, MaterialKind kind) {
  const std::string digits = ctx.settings.PriceDigits();
  const std::string column = UnitCostColumn(kind);
  const std::string scope = SumScope(item, exclusion_list);
  // Each line is rounded on its own, then the sum once more. Only the
  // quota's own lines count here (上级编号=0), whatever their unit.
  Query sums;
  ctx.db.Open(sums, "select a.主表, FtRou(total(FtRou( " + source.price + " * a.实际量," + digits +
                        "))," + digits + ") as 合计" + source.from + " where " + scope +
                        " a.上级编号=0 and " +
                        KindSelectOf(ctx.settings.other_library_alias, kind).Condition() +
                        " group by a.主表");
  if (sums.RecordCount() == 0) return;
  WriteSums(ctx, sums, "update 分部分项 set " + column + "=");
  AddPercentageLines(ctx, source, scope, kind);
}

void AddPercentageLines(EngineContext& ctx, const LineSource& source, const std::string& scope,
                        MaterialKind kind) {
  const std::string column = UnitCostColumn(kind);
  // Lines of unit "%" (own or the library's) at any level of the line tree.
  Query sums;
  ctx.db.Open(sums, "select a.主表,FtRou(total(c." + column + "*a.实际量/100.0)," +
                        ctx.settings.PriceDigits() + ") as 合计" + source.from +
                        " left join 分部分项 c on c.编号=a.主表 where " + scope + " " +
                        source.unit + "='%' and " +
                        KindSelectOf(ctx.settings.other_library_alias, kind).Condition() +
                        " group by a.主表");
  WriteSums(ctx, sums, "update 分部分项 set " + column + "=" + column + "+");
}

void SumMainMaterials(EngineContext& ctx, const LineSource& source, const std::string& item) {
  const std::string digits = ctx.settings.PriceDigits();
  // A main material is priced for the whole quantity of its quota: the
  // result is a total, not a unit cost. Neither 计算 nor the exclusions
  // apply.
  Query sums;
  ctx.db.Open(sums, "select a.主表,FtRou(total(FtRou( " + source.price + "*a.实际量*fb.工程量," +
                        digits + "))," + digits + ") as 合计" + source.from_with_quota +
                        " where " +
                        KindSelectOf(ctx.settings.other_library_alias, MaterialKind::kMainMaterial)
                            .Condition() +
                        (item != "0" ? " and a.主表=" + item : std::string()) +
                        " group by a.主表");
  WriteSums(ctx, sums, "update 分部分项 set 合价_主材费=");
}

void SumEquipment(EngineContext& ctx, const LineSource& source, const std::string& item) {
  const std::string digits = ctx.settings.PriceDigits();
  // Unlike main materials, equipment is priced by 实际量 alone.
  Query sums;
  ctx.db.Open(sums, "select a.主表,FtRou(total(FtRou( " + source.price + "*a.实际量," + digits +
                        "))," + digits + ") as 合计" + source.from + " where " +
                        KindSelectOf(ctx.settings.other_library_alias, MaterialKind::kEquipment)
                            .Condition() +
                        (item != "0" ? " and a.主表=" + item : std::string()) +
                        " group by a.主表");
  WriteSums(ctx, sums, "update 分部分项 set 合价_设备费=");
}

bool ExclusionList(EngineContext& ctx, const std::string& no_detail_list, std::string* list) {
  std::string locked_list;
  Query query;
  const bool read = ctx.db.Open(query, "select 编号 from 分部分项 where 标志='定额' and 计算=1");
  for (query.First(); !query.Eof(); query.Next()) {
    if (!locked_list.empty()) locked_list += ",";
    locked_list += FieldNumberLiteral(query, "编号");
  }
  *list = no_detail_list;
  if (list->empty()) {
    *list = locked_list;
  } else if (!locked_list.empty()) {
    *list += "," + locked_list;
  }
  return read;
}

const char kQuotaResetStatement[] =
    "update 分部分项 set 综合单价=0,综合合价=0, 单价_人工费=0,单价_材料费=0,单价_机械费=0, "
    "合价_人工费=0,合价_材料费=0,合价_机械费=0, 合价_主材费=0,合价_设备费=0,合价_定额基价=0, "
    "直接费=0,直接工程费=0,其他费用=0,规费=0,管理费=0,间接费=0,利润=0,增值税=0, "
    "合价_其他费用=0,合价_间接费=0,合价_利润=0,合价_增值税=0";

std::string TotalsScope(const std::string& item) {
  return item == "0" ? std::string(" where 标志='定额' and 计算=0") : " where 编号=" + item;
}

}  // namespace ftcalc
