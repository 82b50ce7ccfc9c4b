#include "calc/equipment_summary.h"

namespace ftcalc {

void BuildEquipmentSummary() {}

}  // namespace ftcalc
