#include "calc/quota_summary.h"

namespace ftcalc {

void RollUpQuotaSummary(const std::string&) {}

}  // namespace ftcalc
