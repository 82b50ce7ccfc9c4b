#include "data/value_arithmetic.h"

#include <cmath>
#include <cstdint>

namespace ftcalc {
namespace {

bool IsNumberOrNull(const SqlValue& v) {
  return v.type == SQLITE_NULL || v.type == SQLITE_INTEGER || v.type == SQLITE_FLOAT;
}

double AsDouble(const SqlValue& v) {
  return v.type == SQLITE_INTEGER ? static_cast<double>(v.integer) : v.real;
}

}  // namespace

bool MultiplyValues(const SqlValue& x, const SqlValue& y, SqlValue* product) {
  if (!IsNumberOrNull(x) || !IsNumberOrNull(y)) return false;
  if (x.type == SQLITE_NULL || y.type == SQLITE_NULL) {
    *product = SqlValue::Null();
    return true;
  }
  if (x.type == SQLITE_INTEGER && y.type == SQLITE_INTEGER) {
    int64_t result = 0;
    if (!__builtin_mul_overflow(x.integer, y.integer, &result)) {
      *product = SqlValue::Integer(result);
      return true;
    }
  }
  const double result = AsDouble(x) * AsDouble(y);
  *product = std::isnan(result) ? SqlValue::Null() : SqlValue::Real(result);
  return true;
}

RealSign SignOfReal(const SqlValue& x) {
  switch (x.type) {
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
  if (x.type == SQLITE_INTEGER) return x.integer == 0;
  if (x.type == SQLITE_FLOAT) return x.real == 0;
  return false;
}

}  // namespace ftcalc
