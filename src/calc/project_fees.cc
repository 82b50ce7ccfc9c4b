#include "calc/project_fees.h"

namespace ftcalc {

void CalculateSpecialtyFees() {}
void CalculateProjectFees() {}

}  // namespace ftcalc
