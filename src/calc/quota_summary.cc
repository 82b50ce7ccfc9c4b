#include "calc/quota_summary.h"

#include <cmath>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"

namespace ftcalc {

void RollUpQuotaSummary(EngineContext& ctx, const std::string& start_row) {
  // The walk up from one row visits a handful of rows, but each of its
  // statements scans the table where no index on 上级编号 helps: the fast
  // path reads the children of all of them in one pass.
  if (TryFastPath(ctx, "定额汇总", [&] { return RollUpQuotaSummaryFast(ctx, start_row); })) {
    return;
  }
  RollUpQuotaSummaryPlain(ctx, start_row);
}

// The 分部分项 line of the library's 向上汇总 setting, split at every comma,
// untrimmed. An empty value names no column (rather than one column without
// a name, which would only make every sum fail).
std::vector<std::string> ReadRollUpColumns(EngineContext& ctx) {
  Query query;
  ctx.db.Open(query, "select 内容 from " + ctx.settings.LibrarySchema() +
                         ".计算设置 where 上级编号=0 and 名称='向上汇总'");
  query.First();
  if (query.Eof()) return {};
  const std::vector<std::string> lines = SplitLines(FieldText(query, "内容"));
  if (lines.empty()) return {};
  const std::string value = SettingValue(lines, "分部分项");
  if (value.empty()) return {};
  return Split(value, ",");
}

// Outside 清单法 a heading's unit price is its total over its quantity (a
// quantity of 0 counting as 1), always to 2 decimals.
void SetHeadingUnitPrices(EngineContext& ctx) {
  Query query;
  ctx.db.Open(query, "select 编号,工程量,综合合价 from 分部分项 where 标志 not in('项','定额','描述')");
  for (query.First(); !query.Eof(); query.Next()) {
    double quantity = CAtof(FieldText(query, "工程量"));
    if (quantity == 0) quantity = 1;
    const double total = CAtof(FieldText(query, "综合合价"));
    const double price = RoundHalfUp(2, total / quantity);
    // A price beyond the double range would paste as a name ("inf").
    const std::string text = std::isfinite(price) ? NumberText(price) : std::string("0");
    ctx.db.Exec("update 分部分项 set 综合单价=" + text + " where 编号=" +
                FieldNumberLiteral(query, "编号"));
  }
}

}  // namespace ftcalc
