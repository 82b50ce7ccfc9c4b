// Rebuild of 材料价格 by configured category, keeping the user's columns.
#ifndef FTCALC_CALC_MATERIAL_PRICES_H_
#define FTCALC_CALC_MATERIAL_PRICES_H_

#include <string>

namespace ftcalc {

void BuildMaterialPrices();

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_PRICES_H_
