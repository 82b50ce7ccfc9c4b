// The quota step by its plain statements: one grouped sum per kind over
// the material lines and one short update per quota, then the fee sheets
// of the same quotas, then the fee totals.
#include <string>

#include "calc/context.h"
#include "calc/quota_costs.h"
#include "calc/row_totals.h"
#include "calc/unit_price_fees.h"
#include "data/fields.h"

namespace ftcalc {
namespace {

void AppendToList(std::string& list, const std::string& number) {
  if (!list.empty()) list += ",";
  list += number;
}

}  // namespace

void CalculateQuotaCostsPlain(EngineContext& ctx, const std::string& item) {
  Database& db = ctx.db;
  const bool whole = item == "0";
  const std::string digits = ctx.settings.PriceDigits();
  const LineSource lines = MaterialLineTables();
  Query query;

  if (whole) ShowStepProgress(ctx, "计算:定额人材机...初始化 ", 12);
  db.Exec("update 生成报表 set 标志=1");

  // Quotas without material lines keep the unit costs the user entered:
  // they are left out of the reset and of the sums. A material line without
  // 主表 belongs to no quota; left in the list it would make "not in" unknown
  // for every quota and so wipe every entered unit cost.
  std::string no_detail_list;
  std::string no_detail_tags;
  bool no_detail = false;
  if (whole) {
    db.Open(query,
            "select 编号 from 分部分项 where 标志='定额' and 编号 not in(select 主表 from "
            "分部分项材料明细 where 主表 is not null group by 主表)");
    for (query.First(); !query.Eof(); query.Next()) {
      const std::string number = FieldNumberLiteral(query, "编号");
      if (number == "0") continue;
      AppendToList(no_detail_list, number);
      no_detail_tags += "[" + number + "]";
    }
  } else {
    db.Open(query, "select 1 from 分部分项材料明细 where 主表=" + item + " group by 主表");
    if (query.RecordCount() == 0) {
      no_detail = true;
      no_detail_tags = "[" + item + "]";
    }
  }

  // Quotas marked as calculated are left alone in the whole run.
  std::string exclusion_list;
  if (whole) ExclusionList(ctx, no_detail_list, &exclusion_list);

  if (whole) {
    // Every row with 计算=0 of any kind is cleared, headings and bill items
    // included: the later steps add into these columns.
    db.Exec(kQuotaResetStatement +
            (exclusion_list.empty() ? std::string(" where 计算=0")
                                    : " where 编号 not in(" + exclusion_list + ") and 计算=0"));
  } else if (!no_detail) {
    db.Exec(kQuotaResetStatement + std::string(" where 编号=") + item);
  }
  if (!whole && no_detail) {
    db.Exec("update 分部分项 set 合价_主材费=0,合价_设备费=0 where 编号=" + item);
  }
  ProcessMessages(ctx);

  if (!no_detail) {
    constexpr const char* kSteps[] = {"计算:定额人材机...人工费 ", "计算:定额人材机...材料费 ",
                                      "计算:定额人材机...机械费 "};
    constexpr int kPositions[] = {15, 17, 20};
    for (int i = 0; i < 3; ++i) {
      if (whole) ShowStepProgress(ctx, kSteps[i], kPositions[i]);
      SumQuotaComponent(ctx, lines, item, whole ? exclusion_list : std::string(),
                        kDirectCostKinds[i]);
    }
  }

  ProcessMessages(ctx);
  db.Exec(TotalsStatement(DirectCostTotals(), digits, TotalsScope(item)));
  ProcessMessages(ctx);
  if (whole) ShowStepProgress(ctx, "计算:定额人材机...主材费 ", 22);
  SumMainMaterials(ctx, lines, item);
  ProcessMessages(ctx);
  if (whole) ShowStepProgress(ctx, "计算:定额人材机...设备费 ", 25);
  SumEquipment(ctx, lines, item);
  ProcessMessages(ctx);
  if (whole) ShowStepProgress(ctx, "计算:定额人材机...综合单价和综合合价 ", 30);
  CalculateUnitPriceFeesPlain(ctx, item, no_detail_tags);
  db.Exec(TotalsStatement(FeeTotals(), digits, TotalsScope(item)));
}

}  // namespace ftcalc
