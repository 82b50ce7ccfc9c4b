// Project fee tables evaluated against the summary totals.
#ifndef FTCALC_CALC_PROJECT_FEES_H_
#define FTCALC_CALC_PROJECT_FEES_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// The marker a specialty table may use beside its profession's summary
// totals: the threshold 小型工程≤ when the specialty's direct quota cost
// stays within it, else 0.
inline constexpr char kSmallProjectMarker[] = "[系统:小型工程]";

// The statements the step reads its tables by, for whoever must read them
// as it does (the host's check command):
//   the specialty tables (编号, 取费专业), in the order they are evaluated;
//   the project-total table's 编号;
//   the condition selecting the rows of a specialty table (its 编号 as a
//   literal, and its profession) or of the project-total table;
//   the rows (顺号, 项目, 公式) of a table in evaluation order.
extern const char kSpecialtyTablesSql[];
extern const char kProjectTotalTableSql[];
std::string SpecialtyRowsWhere(const std::string& key, const std::string& specialty);
std::string ProjectTotalRowsWhere(const std::string& key);
std::string FeeTableRowsSql(const std::string& where);

// Every specialty fee table (类别 专业工程).
void CalculateSpecialtyFees(EngineContext& ctx);
// The specialty tables, then the project-total table, 工程造价 and 单方造价.
void CalculateProjectFees(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_PROJECT_FEES_H_
