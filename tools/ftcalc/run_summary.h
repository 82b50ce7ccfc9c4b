// The short report printed after an engine call.
#ifndef FTCALC_TOOLS_RUN_SUMMARY_H_
#define FTCALC_TOOLS_RUN_SUMMARY_H_

#include <ostream>
#include <string>
#include <vector>

#include "data/sqlite_api.h"

namespace ftcalc::cli {

// Project name, quota rows priced, errors reported, and the project's
// 工程造价 / 单方造价 with the first lines of its fee table when present.
// When the run was not `saved` the stored totals are the old ones: a line
// says so instead of showing them.
void PrintRunSummary(sqlite3* db, int errors, bool saved, std::ostream& out);

// One database error the engine reported: its message and the failing
// statement (or the project path).
struct RunError {
  std::string message;
  std::string detail;
};

// The same summary as JSON, with every reported error, the engine call's
// wall time in milliseconds, whether the results were saved (the totals are
// the stored ones either way), the project fee table and the chapter totals.
void PrintRunSummaryJson(sqlite3* db, const std::vector<RunError>& errors, double milliseconds,
                         bool saved, std::ostream& out);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_RUN_SUMMARY_H_
