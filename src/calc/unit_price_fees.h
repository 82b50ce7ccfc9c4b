// Composite unit price, total and fee columns of quota rows from their fee sheets.
#ifndef FTCALC_CALC_UNIT_PRICE_FEES_H_
#define FTCALC_CALC_UNIT_PRICE_FEES_H_

#include <string>

namespace ftcalc {

// item "0": every quota row with 计算=0; otherwise the row with that 编号.
// no_detail_tags: "[编号]" for each quota without material lines.
void CalculateUnitPriceFees(const std::string& item, const std::string& no_detail_tags);

}  // namespace ftcalc

#endif  // FTCALC_CALC_UNIT_PRICE_FEES_H_
