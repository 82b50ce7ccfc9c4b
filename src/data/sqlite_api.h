// The one place the engine includes SQLite's API. Every file that calls
// SQLite lives in this folder and includes this header, so that a build of
// the engine as a loadable extension can route the calls through the
// client's own routine table instead of a second copy of SQLite.
#ifndef FTCALC_DATA_SQLITE_API_H_
#define FTCALC_DATA_SQLITE_API_H_

#include <sqlite3.h>

#endif  // FTCALC_DATA_SQLITE_API_H_
