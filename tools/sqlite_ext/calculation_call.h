// One engine call made by the SQLite extension on the client's own
// connection, as a desktop host makes it: the two libraries attached under
// the names the engine expects, the export called with the connection's
// handle, the run's summary read back, and the libraries detached again.
#ifndef FTCALC_TOOLS_SQLITE_EXT_CALCULATION_CALL_H_
#define FTCALC_TOOLS_SQLITE_EXT_CALCULATION_CALL_H_

#include <cstdint>
#include <string>

#include "data/sqlite_api.h"

namespace ftcalc::ext {

struct CalculationRequest {
  std::string library_path;  // attached under its file's base name
  std::string other_path;    // attached as 其他
  // Folder taken as the host executable's (User.INI and Tmp go there);
  // empty: the folder of the extension file.
  std::string exe_dir;
  bool partial = false;  // the partial recalculation instead of the full one
  int32_t tree_kind = 1;
  int32_t item_no = 0;
};

// Runs `request` on `db`. Returns true with the run's summary (the JSON text
// that `ftcalc calc --json` prints; database errors are listed in it). Returns
// false with a one-line message when the call is refused: a bad file, a
// read-only project, an open transaction, a call from inside another one.
// Nothing has been changed then. Also false when the work could not be
// committed; it has been rolled back then.
bool RunCalculation(sqlite3* db, const CalculationRequest& request, std::string* summary,
                    std::string* error);

// The path taken as the host executable's when a request names no folder:
// the extension file's own, recorded when it is loaded.
void SetDefaultExecutable(const std::string& path);

}  // namespace ftcalc::ext

#endif  // FTCALC_TOOLS_SQLITE_EXT_CALCULATION_CALL_H_
