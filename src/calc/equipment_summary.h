// Rebuild of 设备汇总, keeping the user's 主要 marks.
#ifndef FTCALC_CALC_EQUIPMENT_SUMMARY_H_
#define FTCALC_CALC_EQUIPMENT_SUMMARY_H_

#include <string>

namespace ftcalc {

void BuildEquipmentSummary();

}  // namespace ftcalc

#endif  // FTCALC_CALC_EQUIPMENT_SUMMARY_H_
