// The static check of fee formulas behind `ftcalc check`: what the engine
// would do with each line of a fee sheet or fee table, found without
// calculating anything.
#ifndef FTCALC_TOOLS_FORMULA_PROBLEMS_H_
#define FTCALC_TOOLS_FORMULA_PROBLEMS_H_

#include <set>
#include <string>
#include <vector>

namespace ftcalc::cli {

// How the engine evaluates a sheet: unit-price sheets (the five system
// markers, rates, 10 resolution passes), specialty fee tables (summary
// totals of their profession and 小型工程, rates, 50 passes) and the
// project-total table (project totals, rates and actual values, 50 passes).
enum class SheetKind { kUnitPrice, kSpecialty, kProjectTotal };

struct SheetLine {
  std::string number;   // 顺号 as stored
  std::string name;     // 项目
  std::string formula;  // 公式
};

struct FormulaProblem {
  size_t line = 0;   // index into the sheet's lines
  std::string kind;  // rejected, empty, missing-row, cycle, pass-limit,
                     // unknown-system, rate-without-value, actual-without-value
  std::string message;
};

// The problems of one sheet, in line order. `system_names` are the names
// that "[系统:" + name + "]" may use in a fee table (for unit-price sheets
// only the five markers count and the set is ignored).
std::vector<FormulaProblem> FindFormulaProblems(const std::vector<SheetLine>& lines, SheetKind kind,
                                                const std::set<std::string>& system_names);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_FORMULA_PROBLEMS_H_
