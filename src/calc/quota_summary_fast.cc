// The quota summary roll-up of the whole project from the item tree read
// once: every heading's children are summed in memory (see heading_sums.h)
// instead of by a table scan per heading and per test. The headings are
// visited and written in the plain statements' order, with the same texts.
#include <unordered_set>
#include <vector>

#include "calc/context.h"
#include "calc/heading_sums.h"
#include "calc/item_tree.h"
#include "calc/quota_summary.h"
#include "data/fields.h"
#include "data/number_text.h"

namespace ftcalc {
namespace {

// Writes the sums of the heading's children (of one kind when `flag` is
// given) as the plain update does, and keeps the tree's copy of the row
// in step with what was stored.
bool WriteSums(EngineContext& ctx, HeadingSums& tree, const std::vector<std::string>& columns,
               int64_t heading, const std::string& flag) {
  const std::vector<std::string> texts =
      tree.SumTexts(heading, flag, ctx.settings.price_decimals);
  std::string assignments;
  for (size_t j = 0; j < columns.size(); ++j) {
    if (j) assignments += ",";
    assignments += columns[j] + "=" + NumberLiteral(texts[j]);
  }
  const std::string key = std::to_string(heading);
  if (ctx.db.Exec("update 分部分项 set 计算=1," + assignments + " where 编号=" + key) < 0) {
    return false;
  }
  tree.Refresh(key);
  return true;
}

}  // namespace

bool RollUpQuotaSummaryFast(EngineContext& ctx, const std::string& start_row) {
  if (start_row != "0") return false;
  const std::vector<std::string> columns = ReadRollUpColumns(ctx);
  if (!columns.empty()) {
    HeadingSums tree(ctx.db);
    if (!tree.Load(columns)) return false;
    Query headings;
    if (!ctx.db.Open(headings,
                     "select 编号,上级编号,标志 from 分部分项 where 标志 not in('项','描述','定额',"
                     "'式') order by 排序 desc,rowid")) {
      return false;
    }
    const bool bill_pricing = ctx.settings.bill_pricing();
    std::vector<int64_t> mixed;
    std::unordered_set<int64_t> mixed_seen;
    for (headings.First(); !headings.Eof(); headings.Next()) {
      ProcessMessages(ctx);
      int64_t heading = 0;
      // The statements compare "上级编号=<key>" with the key as pasted; the
      // tree only knows integer keys.
      if (!IntegerKey(headings.Value(0), &heading)) return false;
      if (!tree.HasChild(heading, "")) continue;
      const std::string flag = FieldText(headings, "标志");
      if (bill_pricing && (flag == "级2" || flag == "级3") && tree.HasChild(heading, "定额") &&
          tree.HasChild(heading, "项") && mixed_seen.insert(heading).second) {
        mixed.push_back(heading);
      }
      if (!WriteSums(ctx, tree, columns, heading, "")) return false;
    }
    for (int64_t heading : mixed) {
      if (!WriteSums(ctx, tree, columns, heading, "定额")) return false;
    }
  }
  if (!ctx.settings.bill_pricing()) SetHeadingUnitPrices(ctx);
  return true;
}

}  // namespace ftcalc
