// The calculation driver and the partial recalculation.
#ifndef FTCALC_CALC_CALCULATION_DRIVER_H_
#define FTCALC_CALC_CALCULATION_DRIVER_H_

namespace ftcalc {

class EngineContext;

// Whole project: progress window, one transaction, the preparation
// statements, the eight steps in their fixed order, commit. A statement
// that fails is reported and the calculation goes on; the transaction is
// committed at the end whatever failed. When SQLite itself has undone the
// transaction (a full disk, an I/O error), the calculation stops there and
// says so: nothing is ever saved statement by statement. A failed commit
// is reported and rolled back. Returns whether the results were saved.
bool RunFullCalculation(EngineContext& ctx);

// One edited row of the bill tree (kind 1) and its ancestors; no progress
// window, no transaction of its own, no message processing. Inside a
// transaction of the host's, a failure that undid it stops the work.
void RecalculateItem(EngineContext& ctx, int kind, int item_no);

}  // namespace ftcalc

#endif  // FTCALC_CALC_CALCULATION_DRIVER_H_
