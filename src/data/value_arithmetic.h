// SQLite's rules for numbers, applied to fetched values. Steps that read a
// table's own columns and work out a line's expressions themselves (instead
// of having SQLite evaluate them row by row) use these to get exactly the
// value the expression would have given.
//
// Only NULL, INTEGER and REAL operands are handled. SQLite first reads a
// TEXT or BLOB operand as a number by rules not copied here, so for those
// the functions say they cannot decide, and the caller leaves the work to
// the statement.
#ifndef FTCALC_DATA_VALUE_ARITHMETIC_H_
#define FTCALC_DATA_VALUE_ARITHMETIC_H_

#include "data/query.h"

namespace ftcalc {

// x*y. NULL when either is NULL. Two INTEGERs multiply as integers, or,
// when that overflows, as doubles (the product is then a REAL). Otherwise
// both are read as doubles; a NaN product is NULL. False (and *product
// untouched) when an operand is TEXT or BLOB.
bool MultiplyValues(const SqlValue& x, const SqlValue& y, SqlValue* product);

// How "cast(x as real)" compares with 0. A NULL makes every comparison
// unknown, so neither ">0" nor "<>0" holds.
enum class RealSign { kNull, kNegative, kZero, kPositive, kUndecided };
RealSign SignOfReal(const SqlValue& x);

// "x=0" for x read from a column without TEXT affinity: an INTEGER or REAL
// zero. A TEXT in such a column never equals a number (with numeric
// affinity it is no number; without affinity nothing converts it); NULL
// compares unknown.
bool EqualsZeroInNumericColumn(const SqlValue& x);

// How ORDER BY ranks two values that are each NULL, INTEGER or REAL: NULL
// first, then numbers by value (an INTEGER and a REAL compared exactly).
// Negative, zero or positive, as x comes before, ties with or follows y.
int CompareNumbersOrNull(const SqlValue& x, const SqlValue& y);

}  // namespace ftcalc

#endif  // FTCALC_DATA_VALUE_ARITHMETIC_H_
