// Bill item prices from their quotas, their own fee sheets and the general chapter.
#ifndef FTCALC_CALC_BILL_ITEMS_H_
#define FTCALC_CALC_BILL_ITEMS_H_

#include <functional>
#include <string>
#include <vector>

namespace ftcalc {

class EngineContext;
class Query;

// The unit amounts whose plain sum is a bill item's composite unit price,
// each rolled up from its quotas: their amount x quantity summed and
// rounded, over the item's own quantity, rounded again.
inline constexpr const char* kCompositePriceParts[] = {
    "单价_人工费", "单价_材料费", "单价_机械费", "其他费用", "管理费", "利润", "增值税"};

// The unit amounts rolled up from the quotas, in the statements' order.
inline constexpr const char* kRolledUpColumns[] = {"单价_人工费", "单价_材料费", "单价_机械费",
                                                   "其他费用",    "规费",        "管理费",
                                                   "利润",        "增值税",      "主材费",
                                                   "设备费"};

// item "0": the whole project; otherwise one bill item 编号. Only under 清单法.
void RollUpBillItems(EngineContext& ctx, const std::string& item);

// The two ways of the step. The plain statements are the reference; the
// fast path reads the bill items' own fee lines once for both their prices
// and the general chapter's unit-price lines (one scan of the fee lines
// instead of one per percentage item), writes each bill item with quotas
// once, and must leave what they leave.
void RollUpBillItemsPlain(EngineContext& ctx, const std::string& item);
bool RollUpBillItemsFast(EngineContext& ctx, const std::string& item);

// Shared by both, in the step's order.
// Zeroes the prices of the items the run calculates: these assignments on
// the bill items (标志='项') with 计算=0, or on the one item.
inline constexpr char kItemPriceReset[] =
    "综合单价=0,综合合价=0,单价_人工费=0,单价_材料费=0,单价_机械费=0,其他费用=0,管理费=0,利润=0,"
    "增值税=0";
void ResetItems(EngineContext& ctx, const std::string& item);
// Each parent of quotas gets their rounded totals per unit of its own
// quantity (a quantity of 0 divides to NULL, which FtRou makes 0), and a
// bill item its composite price from them.
void RollUpQuotas(EngineContext& ctx, const std::string& item);
// RollUpQuotas's statements: `select` gives each parent (上级编号) and the
// rounded totals of its quotas (columns "<column>A"); `unit_update` takes
// the ten dividends (RolledUpDividends) and then the parent, `price_update`
// the parent (patterns of Database::ExecNumbers).
struct QuotaRollUp {
  std::string select;
  std::string unit_update;
  std::string price_update;
};
QuotaRollUp QuotaRollUpStatements(EngineContext& ctx, const std::string& item);
// The dividends of "<column>=FtRou(<dividend>/工程量,d)" for the current row
// of `select`, in kRolledUpColumns order, as pasted.
void RolledUpDividends(const Query& query, std::vector<std::string>* numbers);
// "select 主表,费用<more_columns> from 分部分项取费明细 where 主表 in(<the bill
// items>) order by 主表,rowid": the bill items' own fee lines.
std::string ItemFeeLinesSql(const std::string& more_columns);
// A bill item with its own fee sheet takes its price from the sheet's last
// line (lines of one item in insertion order), over any roll-up; `lines`
// holds the rows of ItemFeeLinesSql.
void PriceFromFeeSheets(EngineContext& ctx, Query& lines);
// The 费用 of a bill item's first "综合单价" fee line (in rowid order), as
// pasted into a statement; false when it has none. UnitPriceLine asks the
// fee lines with a statement of its own.
bool UnitPriceLine(EngineContext& ctx, const std::string& item, std::string* fee);
using UnitPriceLookup = std::function<bool(const std::string& item, std::string* fee)>;
// The general chapter (the rows before the next chapter heading): each item
// with a percentage note gets that percentage of a running base B (or the
// item's own unit-price line), each item with another note the fixed amount
// written in it. `one_read_before`: the chapter's items are read once for
// the base and the prices, instead of by a statement each.
void PriceGeneralChapter(EngineContext& ctx, const UnitPriceLookup& unit_price_line,
                         bool one_read_before);

}  // namespace ftcalc

#endif  // FTCALC_CALC_BILL_ITEMS_H_
