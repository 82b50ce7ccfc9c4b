// Quota labour, material and machine costs, main material and equipment
// totals, and (through the fee sheets) the quotas' composite prices.
#ifndef FTCALC_CALC_QUOTA_COSTS_H_
#define FTCALC_CALC_QUOTA_COSTS_H_

#include <string>

#include "calc/material_kinds.h"

namespace ftcalc {

class EngineContext;

// item "0": every quota of the project; otherwise the 编号 text of one
// quota. Runs the fee sheets of the same quotas in its course.
void CalculateQuotaCosts(EngineContext& ctx, const std::string& item);

// The two ways of the step. The plain statements are the reference; the
// fast path reads the material lines once (or gathers one quota's lines)
// and folds the per-quota writes into the fee sheets' own writes of each
// row, and must leave exactly what the plain statements leave.
void CalculateQuotaCostsPlain(EngineContext& ctx, const std::string& item);
bool CalculateQuotaCostsFast(EngineContext& ctx, const std::string& item);

// Where the sums read the material lines: the lines joined with their
// standard materials (the reference), or the lines gathered beforehand
// with the price and unit each takes.
struct LineSource {
  std::string from;            // " from ... a ..."
  std::string from_with_quota;  // the same, with the quota row joined as fb
  std::string price;           // a line's price
  std::string unit;            // a line's unit
};
LineSource MaterialLineTables();

// The sums of the plain statements, on the lines `source` gives. Each
// writes by key what it sums; a failure is reported and the step goes on.
//   SumQuotaComponent: the unit cost of one direct-cost kind from the
//     quota's own lines, plus its percentage lines (any level);
//   SumMainMaterials: 合价_主材费, priced x 实际量 x the quota's quantity;
//   SumEquipment: 合价_设备费, priced x 实际量 only.
void SumQuotaComponent(EngineContext& ctx, const LineSource& source, const std::string& item,
                       const std::string& exclusion_list, MaterialKind kind);
void SumMainMaterials(EngineContext& ctx, const LineSource& source, const std::string& item);
void SumEquipment(EngineContext& ctx, const LineSource& source, const std::string& item);
// The percentage lines of one kind: their 实际量 per cent of the unit cost
// written, added to it. `scope` is the sum's item and exclusion pieces.
void AddPercentageLines(EngineContext& ctx, const LineSource& source, const std::string& scope,
                        MaterialKind kind);
// The item and exclusion pieces of the sums' where clause.
std::string SumScope(const std::string& item, const std::string& exclusion_list);

// The whole run's exclusion list: the quotas without material lines, then
// the quotas marked as calculated (计算=1), which the run leaves alone.
// False when the query of the marked quotas failed (reported as usual).
bool ExclusionList(EngineContext& ctx, const std::string& no_detail_list, std::string* list);

// The reset of the rows the step recomputes, before its where clause.
extern const char kQuotaResetStatement[];
// The totals' where clause: one quota, or the quotas of the whole run.
std::string TotalsScope(const std::string& item);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_COSTS_H_
