// The short report printed after an engine call.
#ifndef FTCALC_TOOLS_RUN_SUMMARY_H_
#define FTCALC_TOOLS_RUN_SUMMARY_H_

#include <sqlite3.h>

#include <ostream>

namespace ftcalc::cli {

// Project name, quota rows priced, errors reported, and the project's
// 工程造价 / 单方造价 with the first lines of its fee table when present.
void PrintRunSummary(sqlite3* db, int errors, std::ostream& out);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_RUN_SUMMARY_H_
