// Rebuild of 设备汇总, keeping the user's 主要 marks.
#ifndef FTCALC_CALC_EQUIPMENT_SUMMARY_H_
#define FTCALC_CALC_EQUIPMENT_SUMMARY_H_

#include <string>
#include <vector>

#include "calc/carry_over.h"

namespace ftcalc {

class EngineContext;

void BuildEquipmentSummary(EngineContext& ctx);

// The two ways of the step. The plain statements are the reference; the
// fast path lets the grouped insert skip the lines that are no equipment
// and restricts each carry-over update to its candidate rows, and must
// leave exactly what they leave.
void BuildEquipmentSummaryPlain(EngineContext& ctx);
bool BuildEquipmentSummaryFast(EngineContext& ctx);

// The grouped insert of the new lines; `skip_other_kinds` adds the term
// that lets the scan skip lines that are no equipment.
std::string EquipmentInsertStatement(const EngineContext& ctx, bool skip_other_kinds);
// What identifies an equipment line from one build to the next.
const std::vector<MatchColumn>& EquipmentIdentity();
// The statements after the carry-over, in their order.
void FinishEquipmentSummary(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_EQUIPMENT_SUMMARY_H_
