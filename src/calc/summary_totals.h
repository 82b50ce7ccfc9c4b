// Rebuild of the named totals in 汇总合价.
#ifndef FTCALC_CALC_SUMMARY_TOTALS_H_
#define FTCALC_CALC_SUMMARY_TOTALS_H_

#include <string>

namespace ftcalc {

void BuildSummaryTotals();

}  // namespace ftcalc

#endif  // FTCALC_CALC_SUMMARY_TOTALS_H_
