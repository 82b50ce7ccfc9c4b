// Helpers for the roll-up steps that replace per-row statements filtering on
// 上级编号 or 主表 (no index on either) by one bulk read grouped in memory.
// Each helper states the SQLite behaviour it reproduces, so that the grouped
// result is exactly what the per-row statement would have read.
#ifndef FTCALC_CALC_ITEM_TREE_H_
#define FTCALC_CALC_ITEM_TREE_H_

#include <cstdint>
#include <string>
#include <unordered_set>

#include "data/query.h"

namespace ftcalc {

// True when `column` of `table` (unqualified, resolved as statements resolve
// it) has INTEGER, REAL or NUMERIC affinity. Only then does "column=<integer
// literal>" hold exactly for the rows whose IntegerKey is that integer: such
// a column stores every numeric text as a number, and a TEXT value left in
// it never equals a number.
bool HasNumericAffinity(const std::string& table, const std::string& column);

// The columns of `table` that have REAL affinity, by their declared names:
// every number stored there (a bound double, an integer) reads back as
// that number in a REAL.
std::unordered_set<std::string> RealAffinityColumns(const std::string& table);

// True when `column` is the INTEGER PRIMARY KEY of `table` ("schema.table",
// or a plain name resolved as statements resolve it): every row has its own
// integer there, so a left join on it and a scalar subquery on it read the
// same one row or none.
bool IsIntegerKeyColumn(const std::string& table, const std::string& column);

// The integer n for which "column=n" holds on a numeric-affinity column:
// an INTEGER value, or a REAL value that is exactly a 64-bit integer. False
// for NULL, TEXT, BLOB and fractional REAL values.
bool IntegerKey(const SqlValue& value, int64_t* key);

// True when the linked SQLite's total() adds its values in plain double
// arithmetic, one after the other in the order it reads them (before 3.43;
// later versions compensate the rounding error). Only then does a running
// double sum in row order equal total() over the same rows.
bool TotalAddsInRowOrder();

// What FieldText returns for an expression column holding the REAL x.
std::string RealFieldText(double x);

// What FieldText returns for the column "FtRou(x,digits)" when x is a REAL
// value: FtRou reads x through SQLite's own 15-digit text form and atof, and
// returns a REAL (NULL for NaN), which FieldText gives in NumberText form.
std::string FtRouFieldText(double x, int digits);

}  // namespace ftcalc

#endif  // FTCALC_CALC_ITEM_TREE_H_
