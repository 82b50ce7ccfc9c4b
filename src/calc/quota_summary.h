// Roll-up of the configured columns through the headings of the item tree.
#ifndef FTCALC_CALC_QUOTA_SUMMARY_H_
#define FTCALC_CALC_QUOTA_SUMMARY_H_

#include <string>
#include <vector>

namespace ftcalc {

class EngineContext;

// start_row "0": every heading; otherwise that row and its ancestors.
void RollUpQuotaSummary(EngineContext& ctx, const std::string& start_row);

// The two ways of the step. The plain statements are the reference; the
// fast path sums the headings from the tree read once (the whole tree, or
// the children of the rows a walk up visits) and must leave exactly what
// they leave.
void RollUpQuotaSummaryPlain(EngineContext& ctx, const std::string& start_row);
bool RollUpQuotaSummaryFast(EngineContext& ctx, const std::string& start_row);

// Shared by both: the roll-up columns of the library's 向上汇总 setting,
// and the heading unit prices outside 清单法.
std::vector<std::string> ReadRollUpColumns(EngineContext& ctx);
void SetHeadingUnitPrices(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_SUMMARY_H_
