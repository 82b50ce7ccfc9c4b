// The bill item step's fast path: the bill items' own fee lines are read
// once, for their prices and for the general chapter's unit-price lines,
// where the plain statements scan the fee lines again for every percentage
// item (the fee lines have no index on 主表 in the data model); and the
// general chapter's items are read once for its base and its prices.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "calc/bill_items.h"
#include "calc/context.h"
#include "calc/item_tree.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/schema_info.h"

namespace ftcalc {
namespace {

// Each bill item's first "综合单价" line among the lines read, by the
// item's key. The lines come in 主表 then rowid order, so the first line
// met for a key is the first in rowid order of every line that "主表=<key>"
// finds: a 主表 that compares as stored equals an integer literal exactly
// when it holds that integer (IntegerKey), and every such line is a line
// of a bill item, since the key is the 编号 of one.
class UnitPriceLines {
 public:
  UnitPriceLines(EngineContext& ctx, Query& lines) : ctx_(ctx) {
    // With 编号 the items' integer key, every line that "主表=<key>" finds
    // is among the lines read; a key of another form could find lines the
    // "in" did not select.
    if (!ComparesAsStored(ctx.db, "分部分项取费明细", "主表") ||
        !IsIntegerKeyColumn(ctx.db, "分部分项", "编号")) {
      return;
    }
    const int key_field = lines.FieldIndex("主表");
    const int flag_field = lines.FieldIndex("ftcalc_unit_price_line");
    if (key_field < 0 || flag_field < 0) return;
    for (lines.First(); !lines.Eof(); lines.Next()) {
      const SqlValue& flag = lines.Value(flag_field);
      int64_t key = 0;
      if (flag.type() != SQLITE_INTEGER || flag.integer() == 0 || !IntegerKey(lines.Value(key_field), &key)) {
        continue;
      }
      first_.emplace(key, FieldNumberLiteral(lines, "费用"));
    }
    usable_ = true;
  }

  bool Find(const std::string& item, std::string* fee) {
    const int64_t key = CAtol(item);
    // A key pasted in another form ("5.0") is looked up as the statement
    // would look it up.
    if (!usable_ || std::to_string(key) != item) return UnitPriceLine(ctx_, item, fee);
    auto found = first_.find(key);
    if (found == first_.end()) return false;
    *fee = found->second;
    return true;
  }

 private:
  EngineContext& ctx_;
  bool usable_ = false;
  std::unordered_map<int64_t, std::string> first_;
};

}  // namespace

bool RollUpBillItemsFast(EngineContext& ctx, const std::string& item) {
  ResetItems(ctx, item);
  RollUpQuotas(ctx, item);
  Query lines;
  // The flag is worked out by SQLite, with the column's own affinity and
  // collation, as "项目='综合单价'" would test it.
  if (!ctx.db.Open(lines, ItemFeeLinesSql(",项目='综合单价' as ftcalc_unit_price_line"))) {
    return false;
  }
  PriceFromFeeSheets(ctx, lines);
  UnitPriceLines unit_price_lines(ctx, lines);
  PriceGeneralChapter(ctx, [&unit_price_lines](const std::string& id, std::string* fee) {
    return unit_price_lines.Find(id, fee);
  }, /*one_read_before=*/true);
  return true;
}

}  // namespace ftcalc
