// Value rules shared by the fast paths that replace per-row statements
// filtering on 上级编号 or 主表 by one bulk read grouped in memory. Each
// states the SQLite behaviour it reproduces, so that the grouped result is
// exactly what the per-row statement would have read.
#ifndef FTCALC_CALC_ITEM_TREE_H_
#define FTCALC_CALC_ITEM_TREE_H_

#include <cstdint>
#include <string>

#include "data/query.h"

namespace ftcalc {

// The integer n for which "column=n" holds on a numeric-affinity column:
// an INTEGER value, or a REAL value that is exactly a 64-bit integer. False
// for NULL, TEXT, BLOB and fractional REAL values.
bool IntegerKey(const SqlValue& value, int64_t* key);

// What FieldText returns for an expression column holding the REAL x.
std::string RealFieldText(double x);

// What FieldText returns for the column "FtRou(x,digits)" when x is a REAL
// value: FtRou reads x through SQLite's own 15-digit text form and atof, and
// returns a REAL (NULL for NaN), which FieldText gives in NumberText form.
std::string FtRouFieldText(double x, int digits);

}  // namespace ftcalc

#endif  // FTCALC_CALC_ITEM_TREE_H_
