// Serial numbers 序号 of the priced rows.
#ifndef FTCALC_CALC_SERIAL_NUMBERS_H_
#define FTCALC_CALC_SERIAL_NUMBERS_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// The priced rows (bill items under 清单法, quotas otherwise) get 1, 2, 3...
// in display order; every other row is left without a number.
void NumberItems(EngineContext& ctx);

// The two ways of the step. The plain statements clear every row's number
// and write the new ones; the fast path writes only the numbers that
// change, which on a project calculated before are few or none.
void NumberItemsPlain(EngineContext& ctx);
bool NumberItemsFast(EngineContext& ctx);

// "select 编号,序号 from 分部分项 where <the priced rows> order by 排序,rowid":
// the rows to number, in their order.
std::string NumberedRowsSql(const EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_SERIAL_NUMBERS_H_
