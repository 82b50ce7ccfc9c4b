#include "calc/unit_price_fees.h"

namespace ftcalc {

void CalculateUnitPriceFees(const std::string&, const std::string&) {}

}  // namespace ftcalc
