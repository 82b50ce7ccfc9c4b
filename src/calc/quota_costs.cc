#include "calc/quota_costs.h"

namespace ftcalc {

void CalculateQuotaCosts(const std::string&) {}
void SumQuotaComponent(const std::string&, const std::string&, CostKind) {}
void SumMainMaterials(const std::string&) {}
void SumEquipment(const std::string&) {}

}  // namespace ftcalc
