// Project fee tables evaluated against the summary totals.
#ifndef FTCALC_CALC_PROJECT_FEES_H_
#define FTCALC_CALC_PROJECT_FEES_H_

#include <string>

namespace ftcalc {

// Every specialty fee table (类别 专业工程).
void CalculateSpecialtyFees();
// The specialty tables, then the project-total table, 工程造价 and 单方造价.
void CalculateProjectFees();

}  // namespace ftcalc

#endif  // FTCALC_CALC_PROJECT_FEES_H_
