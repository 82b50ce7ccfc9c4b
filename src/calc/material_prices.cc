#include "calc/material_prices.h"

namespace ftcalc {

void BuildMaterialPrices() {}

}  // namespace ftcalc
