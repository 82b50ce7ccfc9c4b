// Roll-up of the configured columns through the headings of the item tree.
#ifndef FTCALC_CALC_QUOTA_SUMMARY_H_
#define FTCALC_CALC_QUOTA_SUMMARY_H_

#include <string>

namespace ftcalc {

// start_row "0": every heading; otherwise that row and its ancestors.
void RollUpQuotaSummary(const std::string& start_row);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_SUMMARY_H_
