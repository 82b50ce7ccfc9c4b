// The SQL function FtRou(value, decimals): the engine's rounding rule made
// available to statements, so that a value rounded in SQL and the same value
// rounded in the steps' own code agree.
#ifndef FTCALC_DATA_FTROU_H_
#define FTCALC_DATA_FTROU_H_

#include <sqlite3.h>

#include "data/query.h"

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

// Registers (or re-registers) FtRou on `db`. Returns the SQLite result code.
int RegisterFtRou(sqlite3* db);
// Removes the registration made by RegisterFtRou.
void UnregisterFtRou(sqlite3* db);

}  // namespace ftcalc

#endif  // FTCALC_DATA_FTROU_H_
