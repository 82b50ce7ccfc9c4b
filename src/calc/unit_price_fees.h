// Composite unit price, total and fee columns of quota rows from their fee
// sheets, with the sheets' component records. The quota step runs it.
#ifndef FTCALC_CALC_UNIT_PRICE_FEES_H_
#define FTCALC_CALC_UNIT_PRICE_FEES_H_

#include <string>

namespace ftcalc {

class EngineContext;
struct RowTotals;

// item "0": every quota row with 计算=0; otherwise the row with that 编号.
// no_detail_tags: "[编号]" for each quota without material lines.
//
// The plain statements: the rows walked in 排序 order, each row's sheet read
// by its own statement, its outcome written through the query row, its
// parent marked and its component record replaced, one row after another.
void CalculateUnitPriceFeesPlain(EngineContext& ctx, const std::string& item,
                                 const std::string& no_detail_tags);

// The statements of the plain path, for whoever must read the sheets as it
// does (the host's explain command):
//   the rows priced, in the order they are walked (item as above);
//   a row's own sheet, in sheet order (no rows: it has none);
//   the standard 综合单价 sheet of a profession, in sheet order.
// The basis (see fee_sheet.h) is fixed by the first sheet of the walk that
// names a unit or total line and then holds for the rest of the call.
std::string QuotaRowsSql(const std::string& item, const std::string& columns);
std::string OwnFeeSheetSql(const std::string& number, const std::string& columns);
std::string StandardFeeSheetSql(const std::string& profession);

// The fast path, part of the quota step's: every own sheet read at once,
// each standard sheet read and planned once, the sheets worked out on a
// second thread while the rows are written, the old component records
// deleted at once. With `totals`, the rows end as if its two statements had
// run before and after the step (see row_totals.h); where the step can work
// the totals out itself (by SQLite's rules, on the values the statements
// would read) it writes them with the rest of each row, one write instead
// of three. False where it could differ from the plain statements.
bool CalculateUnitPriceFeesFast(EngineContext& ctx, const std::string& item,
                                const std::string& no_detail_tags, const RowTotals* totals);

}  // namespace ftcalc

#endif  // FTCALC_CALC_UNIT_PRICE_FEES_H_
