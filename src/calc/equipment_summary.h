// Rebuild of 设备汇总, keeping the user's 主要 marks.
#ifndef FTCALC_CALC_EQUIPMENT_SUMMARY_H_
#define FTCALC_CALC_EQUIPMENT_SUMMARY_H_

#include <cstdint>
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
// that lets the scan skip lines that are no equipment, and `only_lines`
// (rowids, ascending) one that reads no other lines: those lines must hold
// every line of an equipment kind, so that the same rows come, in the same
// order, as from the scan.
std::string EquipmentInsertStatement(const EngineContext& ctx, bool skip_other_kinds,
                                     const std::vector<int64_t>* only_lines = nullptr);
// The 编号 of the equipment kinds (their 材料标志 names hold 设备), from the
// other-quota library under `other_alias`.
std::string EquipmentKindsSelect(const std::string& other_alias);
// What identifies an equipment line from one build to the next.
const std::vector<MatchColumn>& EquipmentIdentity();
// The statements after the carry-over, in their order.
void FinishEquipmentSummary(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_EQUIPMENT_SUMMARY_H_
