#include "calc/bill_items.h"

namespace ftcalc {

void RollUpBillItems(const std::string&) {}

}  // namespace ftcalc
