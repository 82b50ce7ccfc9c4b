// The calculation driver and the partial recalculation.
#ifndef FTCALC_CALC_CALCULATION_DRIVER_H_
#define FTCALC_CALC_CALCULATION_DRIVER_H_

#include <string>

namespace ftcalc {

// Whole project: progress window, one transaction, the preparation
// statements, the eight steps in their fixed order, commit.
void RunFullCalculation();

// One edited row of the bill tree (kind 1) and its ancestors; no progress
// window, no transaction, no message processing.
void RecalculateItem(int kind, int item_no);

}  // namespace ftcalc

#endif  // FTCALC_CALC_CALCULATION_DRIVER_H_
