#include "calc/bill_items.h"

#include <cmath>
#include <string>
#include <vector>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// A rounded sum pasted as the dividend of "/工程量": with a decimal point,
// so that SQLite never divides two integers as integers.
std::string RealDividend(const std::string& text) {
  if (text.find('.') != std::string::npos || text.find('E') != std::string::npos) return text;
  return text + ".0";
}

// A number computed by the step and pasted into a statement; a value beyond
// the double range would paste as a name ("inf").
std::string PastedNumber(double value, int digits) {
  const double rounded = RoundHalfUp(digits, value);
  return std::isfinite(rounded) ? NumberText(rounded) : std::string("0");
}


}  // namespace

void ResetItems(EngineContext& ctx, const std::string& item) {
  ctx.db.Exec(std::string("update 分部分项 set ") + kItemPriceReset + " where 标志='项'" +
              (item == "0" ? std::string(" and 计算=0") : " and 编号=" + item));
}

QuotaRollUp QuotaRollUpStatements(EngineContext& ctx, const std::string& item) {
  const std::string d = ctx.settings.PriceDigits();
  QuotaRollUp statements;
  statements.select = "select 上级编号";
  for (const char* column : kRolledUpColumns) {
    statements.select +=
        std::string(", FtRou(total(") + column + "*工程量)," + d + ") as " + column + "A";
  }
  statements.select += " from 分部分项 where 标志='定额'";
  if (item != "0") statements.select += " and 上级编号=" + item;
  statements.select += " group by 上级编号";
  std::string& update = statements.unit_update;
  update = "update 分部分项 set ";
  for (const char* column : kRolledUpColumns) {
    if (update.back() == '}' || update.back() == ')') update += ", ";
    update += std::string(column) + "=FtRou({}/工程量," + d + ")";
  }
  update += " where 编号={}";
  std::string composite;
  for (const char* part : kCompositePriceParts) {
    composite += (composite.empty() ? "" : "+") + std::string(part);
  }
  statements.price_update = "update 分部分项 set 计算=1, 综合单价=" + composite +
                            ", 综合合价=FtRou((" + composite + ")*工程量," + d +
                            ") where 编号={} and 标志='项'";
  return statements;
}

void RolledUpDividends(const Query& query, std::vector<std::string>* numbers) {
  numbers->clear();
  for (const char* column : kRolledUpColumns) {
    numbers->push_back(RealDividend(NumberLiteral(FieldText(query, std::string(column) + "A"))));
  }
}

void RollUpQuotas(EngineContext& ctx, const std::string& item) {
  const QuotaRollUp statements = QuotaRollUpStatements(ctx, item);
  Query query;
  ctx.db.Open(query, statements.select);
  // One statement per parent, prepared once with the numbers bound (see
  // Database::ExecNumbers).
  std::vector<std::string> numbers;
  for (query.First(); !query.Eof(); query.Next()) {
    const std::string parent = FieldNumberLiteral(query, "上级编号");
    RolledUpDividends(query, &numbers);
    numbers.push_back(parent);
    ctx.db.ExecNumbers(statements.unit_update, numbers);
    ctx.db.ExecNumbers(statements.price_update, {parent});
  }
}

bool UnitPriceLine(EngineContext& ctx, const std::string& item, std::string* fee) {
  Query query;
  ctx.db.Open(query, "select 费用 from 分部分项取费明细 where 主表=" + item + " and 项目='综合单价' ");
  query.First();
  if (query.Eof()) return false;
  *fee = FieldNumberLiteral(query, "费用");
  return true;
}

std::string ItemFeeLinesSql(const std::string& more_columns) {
  return "select 主表,费用" + more_columns +
         " from 分部分项取费明细 where 主表 in(select 编号 from 分部分项 where 标志='项') order by "
         "主表,rowid";
}

void PriceFromFeeSheets(EngineContext& ctx, Query& query) {
  const std::string d = ctx.settings.PriceDigits();
  for (query.First(); !query.Eof(); query.Next()) {
    const std::string price =
        PastedNumber(FieldNumber(query, "费用"), ctx.settings.price_decimals);
    ctx.db.Exec("update 分部分项 set 计算=1, 综合单价=" + price + ", 综合合价=FtRou(" + price +
            "*工程量," + d + ") where 编号=" + FieldNumberLiteral(query, "主表"));
  }
}

void PriceGeneralChapter(EngineContext& ctx, const UnitPriceLookup& unit_price_line,
                         bool one_read_before) {
  Database& db = ctx.db;
  const int digits = ctx.settings.price_decimals;
  const std::string d = ctx.settings.PriceDigits();
  Query query;

  db.Open(query, "select 排序,标志 from 分部分项 where 名称='第100章 总则'");
  query.First();
  if (query.Eof()) return;
  db.Open(query, "select 排序,标志 from 分部分项 where 标志='" +
                       SqlQuoted(FieldText(query, "标志")) + "' and 排序>" +
                       FieldNumberLiteral(query, "排序") + " order by 排序,rowid");
  query.First();
  if (query.Eof()) return;
  const std::string next_chapter = FieldNumberLiteral(query, "排序");

  // B: every bill item from the next chapter on, plus the general-chapter
  // items without a note (a NULL note counts as none).
  db.Open(query, "select FtRou(total(综合合价)," + d +
                       ") as 合计 from 分部分项 where 标志='项' and 排序>" + next_chapter);
  query.First();
  std::string base = PastedNumber(FieldNumber(query, "合计"), -1);
  // The items before the next chapter: the noteless ones add to B, then
  // each is priced by its note. Read once, the noteless ones are those the
  // flag (worked out by SQLite, as the condition would be) marks, in the
  // same order.
  Query items;
  if (one_read_before) {
    db.Open(items,
            "select 编号,名称,工程量,附注信息,综合合价,ifnull(trim(附注信息),'')='' as ftcalc_no_note "
            "from 分部分项 where 标志='项' and 排序<" + next_chapter + " order by 排序,rowid");
    const int no_note = items.FieldIndex("ftcalc_no_note");
    for (items.First(); !items.Eof(); items.Next()) {
      const SqlValue& flag = items.Value(no_note);
      if (flag.type() == SQLITE_INTEGER && flag.integer() != 0) {
        base = PastedNumber(CAtof(base) + FieldNumber(items, "综合合价"), digits);
      }
    }
  } else {
    db.Open(query,
            "select 综合合价 from 分部分项 where 标志='项' and ifnull(trim(附注信息),'')='' and 排序<" +
                next_chapter + " order by 排序,rowid");
    for (query.First(); !query.Eof(); query.Next()) {
      base = PastedNumber(CAtof(base) + FieldNumber(query, "综合合价"), digits);
    }
  }

  // E: the day-work and provisional-sum totals, added for the safety fee.
  std::string extra = "0";
  db.Open(query, "select total(综合合价) as 合价 from 计日工 where 标志='合计'");
  query.First();
  if (!query.Eof()) extra = PastedNumber(CAtof(extra) + FieldNumber(query, "合价"), digits);
  db.Open(query, "select total(合价) as 合价 from 暂列金额 where 标志='合计'");
  query.First();
  if (!query.Eof()) extra = PastedNumber(CAtof(extra) + FieldNumber(query, "合价"), digits);

  if (!one_read_before) {
    db.Open(items, "select 编号,名称,工程量,附注信息 from 分部分项 where 标志='项' and 排序<" +
                       next_chapter + " order by 排序,rowid");
  }
  for (items.First(); !items.Eof(); items.Next()) {
    const std::string id = FieldNumberLiteral(items, "编号");
    std::string quantity = FieldNumberLiteral(items, "工程量");
    std::string note = FieldText(items, "附注信息");
    if (CAtof(quantity) > 0 && Contains(note, "%")) {
      ReplaceAll(note, "%", "");
      const std::string rate = PastedNumber(CAtof(note), -1);
      // B stays replaced (or raised by E) for every later item.
      std::string fee;
      if (unit_price_line(id, &fee)) {
        base = fee;
      } else if (FieldText(items, "名称") == "安全生产费") {
        base = PastedNumber(CAtof(base) + CAtof(extra), digits);
      }
      db.Exec("update 分部分项 set 计算=1, 综合单价=FtRou(" + base + "*" + rate + "/100.0," + d +
              "), 综合合价=FtRou(" + base + "*" + rate + "/100.0*工程量," + d + ") where 编号=" + id);
    } else if (!Trim(note).empty() && !Contains(note, "%")) {
      const std::string amount = PastedNumber(CAtof(note), -1);
      if (CAtof(quantity) == 0) quantity = "1";
      db.Exec("update 分部分项 set 计算=1, 综合单价=" + amount + ", 综合合价=FtRou(" + amount + "*" +
              quantity + "," + d + ") where 编号=" + id);
    }
  }
}

void RollUpBillItemsPlain(EngineContext& ctx, const std::string& item) {
  ResetItems(ctx, item);
  RollUpQuotas(ctx, item);
  Query lines;
  ctx.db.Open(lines, ItemFeeLinesSql(std::string()));
  PriceFromFeeSheets(ctx, lines);
  PriceGeneralChapter(ctx, [&ctx](const std::string& id, std::string* fee) {
    return UnitPriceLine(ctx, id, fee);
  }, /*one_read_before=*/false);
}

void RollUpBillItems(EngineContext& ctx, const std::string& item) {
  if (!ctx.settings.bill_pricing()) return;
  if (TryFastPath(ctx, "清单项", [&] { return RollUpBillItemsFast(ctx, item); })) return;
  RollUpBillItemsPlain(ctx, item);
}

}  // namespace ftcalc
