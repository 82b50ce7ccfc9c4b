// The fee sheets of the quota rows by their plain statements.
#include <string>
#include <unordered_set>
#include <vector>

#include "calc/context.h"
#include "calc/fee_outcome.h"
#include "calc/fee_sheet.h"
#include "calc/unit_price_fees.h"
#include "data/fields.h"
#include "data/text_util.h"

namespace ftcalc {

std::string QuotaRowsSql(const std::string& item, const std::string& columns) {
  return "select " + columns + " from 分部分项" +
         (item != "0" ? " where 编号=" + item : std::string(" where 标志='定额' and 计算=0")) +
         " order by 排序,rowid";
}

std::string OwnFeeSheetSql(const std::string& number, const std::string& columns) {
  return "select " + columns + " from 分部分项取费明细 where 主表=" + number +
         " order by 编号,rowid";
}

std::string StandardFeeSheetSql(const std::string& profession) {
  return "select 顺号,项目,公式 from 工程取费 where 主表=(select 编号 from 取费索引 where "
         "取费专业='" +
         SqlQuoted(profession) + "' and 类别='综合单价') order by 排序,rowid";
}

void CalculateUnitPriceFeesPlain(EngineContext& ctx, const std::string& item,
                                 const std::string& no_detail_tags) {
  Database& db = ctx.db;
  const int digits = ctx.settings.price_decimals;
  const std::unordered_set<std::string> no_detail = TaggedKeys(no_detail_tags);
  Query items;
  db.Open(items, QuotaRowsSql(item, "*"));
  // The basis is fixed by the first sheet that names a unit or total line
  // and then holds for the rest of the call.
  FeeBasis basis = FeeBasis::kUndetermined;
  Query sheet_rows;
  for (items.First(); !items.Eof(); items.Next()) {
    const std::string number = FieldNumberLiteral(items, "编号");
    // The row's own sheet in sheet order, else its profession's standard
    // sheet; rows that tie come in rowid order.
    db.Open(
        sheet_rows,
        OwnFeeSheetSql(number, "编号,顺号,项目,公式,费用, 费率名称, 费率, 实际名称, 实际, 标志"));
    const bool single_row = sheet_rows.RecordCount() == 1;
    if (sheet_rows.RecordCount() == 0) {
      db.Open(sheet_rows, StandardFeeSheetSql(FieldText(items, "单价取费")));
    }
    std::vector<FeeLine> lines;
    for (sheet_rows.First(); !sheet_rows.Eof(); sheet_rows.Next()) {
      lines.push_back({FieldText(sheet_rows, "顺号"), FieldText(sheet_rows, "项目"),
                       FieldText(sheet_rows, "公式")});
    }
    if (basis == FeeBasis::kUndetermined) basis = BasisOfSheet(lines);
    FeeSheet sheet(lines, items, basis, digits);
    sheet.Resolve();
    const SheetOutcome outcome = OutcomeOf(sheet, basis, FieldNumber(items, "工程量"), digits);

    items.Edit();
    WriteOutcome(items, outcome, single_row, no_detail);
    db.Post(items);
    // The parent bill item has to be rolled up again.
    db.Exec("update 分部分项 set 计算=0 where 标志='项' and 编号=" +
            FieldNumberLiteral(items, "上级编号"));
    db.Exec("delete from 分部分项单价费率费用 where 主表=" + number);
    InsertComponents(db, number, outcome.components);
  }
}

}  // namespace ftcalc
