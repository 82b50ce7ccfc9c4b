// Project fee tables evaluated against the summary totals.
#ifndef FTCALC_CALC_PROJECT_FEES_H_
#define FTCALC_CALC_PROJECT_FEES_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// Every specialty fee table (类别 专业工程).
void CalculateSpecialtyFees(EngineContext& ctx);
// The specialty tables, then the project-total table, 工程造价 and 单方造价.
void CalculateProjectFees(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_PROJECT_FEES_H_
