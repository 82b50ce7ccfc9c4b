// Quota labour, material and machine costs, main material and equipment totals.
#ifndef FTCALC_CALC_QUOTA_COSTS_H_
#define FTCALC_CALC_QUOTA_COSTS_H_

#include <string>

namespace ftcalc {

enum class CostKind { kLabour, kMaterial, kMachine };

// item "0": every quota of the project; otherwise the 编号 text of one quota.
void CalculateQuotaCosts(const std::string& item);

// Unit cost of one kind from the top-level material lines, plus the
// percentage lines of that kind.
void SumQuotaComponent(const std::string& item, const std::string& exclusion_list, CostKind kind);
// 合价_主材费 (priced x 实际量 x the quota quantity) and 合价_设备费 (x 实际量 only).
void SumMainMaterials(const std::string& item);
void SumEquipment(const std::string& item);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_COSTS_H_
