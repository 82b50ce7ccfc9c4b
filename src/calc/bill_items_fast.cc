// The bill item step's fast path: the bill items' own fee lines are read
// once, for their prices and for the general chapter's unit-price lines,
// where the plain statements scan the fee lines again for every percentage
// item (the fee lines have no index on 主表 in the data model); and the
// general chapter's items are read once for its base and its prices; and
// each bill item with quotas is written once, where the statements zero it,
// roll its quotas up into it and then price it from what they stored.
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

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

// The rolled-up columns, 计算=1 and the composite price in one update: each
// "FtRou(<dividend>/工程量,d)" is worked out once, in a subquery that reads
// the row's own 工程量 and that SQLite cannot fold into the outer select
// (it has an OFFSET), and the composite is summed from its results in the
// order and form of the statements' "综合单价=<parts>" and "综合合价=
// FtRou((<parts>)*工程量,d)". Its numbers: the ten dividends, then the key.
std::string OneWritePattern(const std::string& d) {
  std::string columns;
  std::string amounts;
  for (size_t i = 0; i < std::size(kRolledUpColumns); ++i) {
    columns += std::string(i == 0 ? "" : ",") + kRolledUpColumns[i];
    amounts += std::string(i == 0 ? "" : ",") + "FtRou({}/工程量," + d + ") as ftcalc_" +
               std::to_string(i);
  }
  std::string composite;
  for (const char* part : kCompositePriceParts) {
    for (size_t i = 0; i < std::size(kRolledUpColumns); ++i) {
      if (std::string_view(part) != kRolledUpColumns[i]) continue;
      composite += (composite.empty() ? "ftcalc_" : "+ftcalc_") + std::to_string(i);
    }
  }
  std::string results;
  for (size_t i = 0; i < std::size(kRolledUpColumns); ++i) {
    results += "ftcalc_" + std::to_string(i) + ",";
  }
  return "update 分部分项 set (" + columns + ",计算,综合单价,综合合价)=(select " + results + "1," +
         composite + ",FtRou((" + composite + ")*工程量," + d + ") from (select " + amounts +
         " limit -1 offset 0)) where 编号={}";
}

// The reset and the roll-up of the quotas with one write per bill item.
//
// The statements zero the items' prices, then write each parent's rolled-up
// unit amounts and, on a bill item, the composite price summed from what
// that update stored: a bill item with quotas is written three times. In
// columns of REAL affinity the amounts are stored as FtRou gives them (a
// double, or NULL), so the composite may be summed from the same
// expressions within the one update (a zero's sign aside, which no column
// keeps); and an item's reset is written over in every column by its
// roll-up, so only items without quotas need it. The rows are those the
// statements reach, by their own conditions evaluated by SQLite: the items
// and whether the reset's "计算=0" holds, the parents as the literal the
// statements paste, which with 编号 the integer key names one row or none.
// False, before anything is written, where that cannot be relied on; the
// caller then runs the statements.
bool RollUpQuotasInOneWrite(EngineContext& ctx, const std::string& item) {
  Database& db = ctx.db;
  if (!IsIntegerKeyColumn(db, "分部分项", "编号")) return false;
  const std::unordered_set<std::string> real = RealAffinityColumns(db, "分部分项");
  for (const char* column : kRolledUpColumns) {
    if (real.count(column) == 0) return false;
  }
  const std::string reached = item == "0" ? "计算=0" : "编号=" + item;
  Query items;
  if (!db.Open(items,
               "select 编号," + reached + " from 分部分项 where 标志='项'" +
                   (item == "0" ? std::string() : " and " + reached),
               /*report_errors=*/false)) {
    return false;
  }
  std::map<int64_t, bool> reset_reaches;  // every bill item, by key
  for (items.First(); !items.Eof(); items.Next()) {
    const SqlValue& key = items.Value(0);
    const SqlValue& reaches = items.Value(1);
    if (key.type() != SQLITE_INTEGER) return false;
    reset_reaches[key.integer()] = reaches.type() == SQLITE_INTEGER && reaches.integer() != 0;
  }
  const QuotaRollUp statements = QuotaRollUpStatements(ctx, item);
  Query parents;
  if (!db.Open(parents, statements.select, /*report_errors=*/false)) return false;
  std::vector<int64_t> keys;
  for (parents.First(); !parents.Eof(); parents.Next()) {
    const std::string literal = FieldNumberLiteral(parents, "上级编号");
    keys.push_back(CAtol(literal));
    if (std::to_string(keys.back()) != literal) return false;
  }

  const std::string one_write = OneWritePattern(ctx.settings.PriceDigits());
  std::vector<std::string> dividends;
  size_t row = 0;
  for (parents.First(); !parents.Eof(); parents.Next(), ++row) {
    RolledUpDividends(parents, &dividends);
    const std::string key = std::to_string(keys[row]);
    auto bill_item = reset_reaches.find(keys[row]);
    if (bill_item == reset_reaches.end()) {
      // A heading, or no row: the price update reaches nothing.
      dividends.push_back(key);
      db.ExecNumbers(statements.unit_update, dividends);
      continue;
    }
    dividends.push_back(key);
    db.ExecNumbers(one_write, dividends);
    bill_item->second = false;
  }
  const std::string reset = std::string("update 分部分项 set ") + kItemPriceReset + " where 编号={}";
  for (const auto& [key, reaches] : reset_reaches) {
    if (reaches) db.ExecNumbers(reset, {std::to_string(key)});
  }
  return true;
}

}  // namespace

bool RollUpBillItemsFast(EngineContext& ctx, const std::string& item) {
  if (!RollUpQuotasInOneWrite(ctx, item)) {
    ResetItems(ctx, item);
    RollUpQuotas(ctx, item);
  }
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
