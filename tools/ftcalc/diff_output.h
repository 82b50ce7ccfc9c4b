// The forms a comparison of two projects is given in: a table for the
// terminal, CSV and JSON for other tools (each changed item with its 编号),
// and a workbook with a sheet per kind of change.
#ifndef FTCALC_TOOLS_DIFF_OUTPUT_H_
#define FTCALC_TOOLS_DIFF_OUTPUT_H_

#include <ostream>
#include <string>

#include "project_diff.h"

namespace ftcalc::cli {

// The two files compared, as the user named them.
struct DiffSides {
  std::string a;
  std::string b;
};

// Totals and chapters first (every one, with its change), then each table's
// changes; a single line when the projects are equal.
void PrintDiffText(const ProjectDiff& diff, const DiffSides& sides, std::ostream& out);

// One line per changed value (a row added or removed gives all its values;
// a row only renamed gives one line without values). Totals and chapters
// that changed come first, as tables 合计 and 章.
void PrintDiffCsv(const ProjectDiff& diff, std::ostream& out);

void PrintDiffJson(const ProjectDiff& diff, const DiffSides& sides, std::ostream& out);

// Sheets 汇总 (totals and chapters), 变动, 新增 and 删除. False with the
// reason when the file cannot be written (nothing is left then).
bool WriteDiffWorkbook(const ProjectDiff& diff, const DiffSides& sides, const std::string& path,
                       std::string* error);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_DIFF_OUTPUT_H_
