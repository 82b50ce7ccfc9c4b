// Rebuild of 材料价格 by configured category, keeping the user's columns.
#ifndef FTCALC_CALC_MATERIAL_PRICES_H_
#define FTCALC_CALC_MATERIAL_PRICES_H_

#include <string>

namespace ftcalc {

void BuildMaterialPrices();

class MaterialGrouping;

// The material list's category lines can be worked out ahead, in the quota
// step's pass over the material lines (one read of them for both). That
// holds only while nothing the lines are grouped with changes in between:
// the quota rows' 工程量, 标志, 编码 and 名称 (which a fee sheet may write),
// the material lines, the library and the settings (which no step writes).
//
// StartMaterialListAhead prepares the grouping and returns it (nullptr when
// it cannot be done); FinishMaterialListAhead keeps its lines when it took
// every line; DropMaterialListAhead forgets them (a step that writes one of
// those columns calls it). BuildMaterialPrices uses lines kept since the
// run's quota step, then forgets them.
MaterialGrouping* StartMaterialListAhead();
void FinishMaterialListAhead(bool grouped);
void DropMaterialListAhead();

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_PRICES_H_
