// The one place the engine includes SQLite's API. Every file that calls
// SQLite lives in this folder and includes this header.
//
// The data layer is compiled twice: once for libftcalc.so and the host,
// which call the SQLite library they are linked with, and once (with
// FTCALC_SQLITE_EXTENSION defined) for the loadable extension, which must
// drive the SQLite library of the client that loaded it: there each
// sqlite3_* call goes through the routine table that the client hands to
// the extension's entry point (sqlite3ext.h turns the calls into look-ups
// in that table). Calling a second copy of SQLite on the client's handle
// would corrupt it. The other layers call no SQLite function, so one build
// of them serves both.
#ifndef FTCALC_DATA_SQLITE_API_H_
#define FTCALC_DATA_SQLITE_API_H_

#if defined(FTCALC_SQLITE_EXTENSION)
#include <sqlite3ext.h>
// Defined once, by the extension's entry point (SQLITE_EXTENSION_INIT1).
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#endif  // FTCALC_DATA_SQLITE_API_H_
