// The SQL function FtRou(value, decimals): the engine's rounding rule made
// available to statements, so that a value rounded in SQL and the same value
// rounded in the steps' own code agree.
#ifndef FTCALC_DATA_FTROU_H_
#define FTCALC_DATA_FTROU_H_

#include <set>

#include "data/query.h"
#include "data/sqlite_api.h"

namespace ftcalc {

// FtRou of a REAL argument: x read through SQLite's own text form of a REAL
// ("%!.15g") and atof, rounded half up to `digits` (a NaN x, which SQLite
// hands over as NULL, counts as 0). Where that text cannot change the
// rounding, x is rounded directly. The result may be NaN, which SQLite
// stores as NULL.
double FtRouOfReal(double x, int digits);

// FtRou(x,digits) of a fetched value x, as the SQL function gives it: x read
// as SQLite's text of it (NULL as 0), the result a REAL, or NaN where the
// function gives NULL. False for a blob, which is left to the statements.
bool FtRouOfValue(const SqlValue& x, int digits, double* result);

// The engine's FtRou registrations on the hosts' handles. A registration
// stays after a call, so that the host's own statements can use FtRou, and
// is removed when the engine is unloaded (RemoveAll), but only while its
// handle is still open: SQLite calls the registration's destroy callback
// when the host closes its connection (or replaces the function), and from
// then on the engine never touches that handle again.
//
// Thread safety: none; the engine's calls do not overlap.
class FtRouRegistration {
 public:
  FtRouRegistration() = default;
  FtRouRegistration(const FtRouRegistration&) = delete;
  FtRouRegistration& operator=(const FtRouRegistration&) = delete;
  // Leaves the handles alone: an engine being torn down without RemoveAll
  // must not touch a handle that may be gone.
  ~FtRouRegistration();

  // Registers (or registers anew) FtRou on `db`; the SQLite result code.
  int Register(sqlite3* db);
  // Whether FtRou of this engine is registered on `db` now.
  bool IsRegisteredOn(sqlite3* db) const;
  // Removes every registration whose handle is still open.
  void RemoveAll();

 private:
  struct Token;
  static void Destroyed(void* token);
  std::set<Token*> live_;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_FTROU_H_
