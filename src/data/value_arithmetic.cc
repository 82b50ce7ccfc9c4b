#include "data/value_arithmetic.h"

#include <cmath>
#include <cstdint>

namespace ftcalc {
namespace {

bool IsNumberOrNull(const SqlValue& v) {
  return v.type() == SQLITE_NULL || v.type() == SQLITE_INTEGER || v.type() == SQLITE_FLOAT;
}

double AsDouble(const SqlValue& v) {
  return v.type() == SQLITE_INTEGER ? static_cast<double>(v.integer()) : v.real();
}

}  // namespace

bool MultiplyValues(const SqlValue& x, const SqlValue& y, SqlValue* product) {
  if (!IsNumberOrNull(x) || !IsNumberOrNull(y)) return false;
  if (x.type() == SQLITE_NULL || y.type() == SQLITE_NULL) {
    *product = SqlValue::Null();
    return true;
  }
  if (x.type() == SQLITE_INTEGER && y.type() == SQLITE_INTEGER) {
    int64_t result = 0;
    if (!__builtin_mul_overflow(x.integer(), y.integer(), &result)) {
      *product = SqlValue::Integer(result);
      return true;
    }
  }
  const double result = AsDouble(x) * AsDouble(y);
  *product = std::isnan(result) ? SqlValue::Null() : SqlValue::Real(result);
  return true;
}

RealSign SignOfReal(const SqlValue& x) {
  switch (x.type()) {
    case SQLITE_NULL: return RealSign::kNull;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
      const double value = AsDouble(x);
      return value > 0 ? RealSign::kPositive : value < 0 ? RealSign::kNegative : RealSign::kZero;
    }
    default: return RealSign::kUndecided;
  }
}

bool EqualsZeroInNumericColumn(const SqlValue& x) {
  if (x.type() == SQLITE_INTEGER) return x.integer() == 0;
  if (x.type() == SQLITE_FLOAT) return x.real() == 0;
  return false;
}

namespace {

// An INTEGER against a REAL, exactly (no rounding of either).
int CompareIntegerWithReal(int64_t i, double r) {
  if (r < -9223372036854775808.0) return 1;
  if (r >= 9223372036854775808.0) return -1;
  const int64_t whole = static_cast<int64_t>(r);  // towards zero
  if (i != whole) return i < whole ? -1 : 1;
  const double fraction = r - static_cast<double>(whole);
  return fraction > 0 ? -1 : fraction < 0 ? 1 : 0;
}

}  // namespace

int CompareNumbersOrNull(const SqlValue& x, const SqlValue& y) {
  if (x.type() == SQLITE_NULL || y.type() == SQLITE_NULL) {
    return (x.type() == SQLITE_NULL ? 0 : 1) - (y.type() == SQLITE_NULL ? 0 : 1);
  }
  if (x.type() == SQLITE_INTEGER && y.type() == SQLITE_INTEGER) {
    return x.integer() < y.integer() ? -1 : x.integer() > y.integer() ? 1 : 0;
  }
  if (x.type() == SQLITE_FLOAT && y.type() == SQLITE_FLOAT) {
    return x.real() < y.real() ? -1 : x.real() > y.real() ? 1 : 0;
  }
  if (x.type() == SQLITE_INTEGER) return CompareIntegerWithReal(x.integer(), y.real());
  return -CompareIntegerWithReal(y.integer(), x.real());
}

}  // namespace ftcalc
