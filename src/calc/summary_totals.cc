#include "calc/summary_totals.h"

namespace ftcalc {

void BuildSummaryTotals() {}

}  // namespace ftcalc
