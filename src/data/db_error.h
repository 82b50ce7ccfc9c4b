// What a failed statement leaves behind: SQLite's result codes and message.
#ifndef FTCALC_DATA_DB_ERROR_H_
#define FTCALC_DATA_DB_ERROR_H_

#include <string>

#include "data/sqlite_api.h"

namespace ftcalc {

struct DbError {
  int code = SQLITE_OK;           // primary result code
  int extended_code = SQLITE_OK;  // extended result code
  std::string message;            // sqlite3_errmsg, or the engine's own text

  bool failed() const { return code != SQLITE_OK; }
  // Another connection holds the lock (SQLITE_BUSY), or a table of this
  // connection is in use (SQLITE_LOCKED): "database is locked".
  bool locked() const { return code == SQLITE_BUSY || code == SQLITE_LOCKED; }

  // The error the handle reports for the failure `rc` of its last call.
  static DbError FromHandle(sqlite3* db, int rc);
  // An error the engine itself raises (no SQLite call failed).
  static DbError Engine(std::string message);
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_DB_ERROR_H_
