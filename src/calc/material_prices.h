// Rebuild of 材料价格 by configured category, keeping the user's columns.
#ifndef FTCALC_CALC_MATERIAL_PRICES_H_
#define FTCALC_CALC_MATERIAL_PRICES_H_

#include <string>
#include <vector>

#include "calc/carry_over.h"
#include "calc/material_categories.h"

namespace ftcalc {

class EngineContext;

void BuildMaterialPrices(EngineContext& ctx);

// The two ways of the step. The plain statements are the reference: one
// grouped insert per category, one carry-over update per previous line.
// The fast path works the category lines out in one pass over the material
// lines (or takes them from the quota step) and restricts each carry-over
// update to its candidate rows; it must leave exactly what they leave.
void BuildMaterialPricesPlain(EngineContext& ctx);
bool BuildMaterialPricesFast(EngineContext& ctx);

// Shared by both.
// The statement that finds the category row of this build.
std::string CategoryRowSelect(const MaterialCategory& category);
// The category's grouped insert under category row `k`, its parts' lines
// read by `part_select`.
std::string CategoryInsertStatement(const std::string& k, const std::string& quantity_digits,
                                    const std::vector<std::string>& part_selects);
// What identifies a material line from one build to the next.
const std::vector<MatchColumn>& MaterialIdentity();
// The select of the previous build's material lines, in their order.
extern const char kPreviousMaterialLines[];
// The carry-over assignments of the current previous line.
std::string CarriedAssignments(const Query& previous, const std::vector<CarriedColumn>& columns);
// A previous line with VAT had its 信息价 replaced by the net price, which
// no new line holds before that price is computed again: its 信息价 is not
// compared (the columns left out of the match).
std::vector<std::string> SkippedOnCarry(const Query& previous);
// The statements after the carry-over, in their order.
void FinishMaterialPrices(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_PRICES_H_
