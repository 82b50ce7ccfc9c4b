// What a quota row's fee sheet gives, and how it is written: the composite
// unit price and total, the columns the sheet's named lines write, and the
// component record of 分部分项单价费率费用.
#ifndef FTCALC_CALC_FEE_OUTCOME_H_
#define FTCALC_CALC_FEE_OUTCOME_H_

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "calc/fee_sheet.h"
#include "data/database.h"

namespace ftcalc {

struct SheetOutcome {
  double unit = 0;
  double total = 0;
  // Columns the sheet's named lines write, in the sheet's order (人工费,
  // 材料费 and 机械费 as their 单价_ columns).
  std::vector<std::pair<std::string, double>> columns;
  // The component record's values after 主表, in the insert's column order.
  std::vector<std::string> components;
};

// Which line of a resolved sheet prices the row under `basis`: its unit
// line when it has one and the basis is not the total (or it has no total
// line), else its total line; nothing when it has neither.
enum class PricedBy { kUnitLine, kTotalLine, kNothing };
PricedBy PricedByOf(const FeeSheet& sheet, FeeBasis basis);

// The outcome of a resolved sheet under the call's `basis`. With both a
// unit and a total line, the line of the basis decides; a total without
// quantity gives a unit price of 0.
SheetOutcome OutcomeOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits);

// The price part of OutcomeOf: the composite unit price and total of a
// resolved sheet for `quantity`. The rest of the outcome does not depend on
// the quantity.
void PriceOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits, double* unit,
             double* total);

// What PriceOf works a price out from: the line that prices the sheet and
// that line's value as atof reads it. It does not depend on the quantity,
// so rows that share a sheet need only this of it.
struct PriceLine {
  PricedBy by = PricedBy::kNothing;
  double value = 0;
};
PriceLine PriceLineOf(const FeeSheet& sheet, FeeBasis basis);
// PriceOf from the sheet's PriceLineOf.
void PriceFrom(const PriceLine& line, double quantity, int digits, double* unit, double* total);

// What writing an outcome into a row changed besides the prices.
struct OutcomeWrites {
  bool wrote_flag_or_mark = false;  // 标志 or 计算: the row may leave a scope
  bool wrote_list_column = false;   // 工程量, 标志, 编码 or 名称: the material list reads them
};

// Writes the outcome into the current row of `items` (already in edit
// state): 综合单价 and 综合合价, the zeroing of a sheet that gives no price
// of its own (a single-line own sheet, or a price of 0: the direct and fee
// columns cleared, the unit costs only when the row has material lines,
// that is when its 编号 is not in `no_detail`), then the sheet's columns.
// Whether writing `outcome` zeroes those columns first: a sheet of the row's
// own with one line (`single_row`), or a price of 0.
bool ClearsPriceColumns(const SheetOutcome& outcome, bool single_row);
OutcomeWrites WriteOutcome(Query& items, const SheetOutcome& outcome, bool single_row,
                           const std::unordered_set<std::string>& no_detail);

// The row keys of a "[key][key]..." list.
std::unordered_set<std::string> TaggedKeys(const std::string& tags);

// Inserts the component record of row `number`; the statement is prepared
// once per call and the values bound (see Database::ExecNumbers). Returns
// what Exec returns.
int64_t InsertComponents(Database& db, const std::string& number,
                         const std::vector<std::string>& components);

}  // namespace ftcalc

#endif  // FTCALC_CALC_FEE_OUTCOME_H_
