#include "calc/item_tree.h"

#include <cmath>

#include "data/ftrou.h"
#include "data/number_text.h"

namespace ftcalc {

bool IntegerKey(const SqlValue& value, int64_t* key) {
  if (value.type() == SQLITE_INTEGER) {
    *key = value.integer();
    return true;
  }
  if (value.type() == SQLITE_FLOAT) {
    const double r = value.real();
    // 2^63 is exact as a double; anything at or past it is no int64.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return false;
    if (std::floor(r) != r) return false;
    *key = static_cast<int64_t>(r);
    return true;
  }
  return false;
}

std::string RealFieldText(double x) { return NumberText(SqlValue::Real(x).AsSqliteTextNumber()); }

std::string FtRouFieldText(double x, int digits) {
  const double rounded = FtRouOfReal(x, digits);
  if (std::isnan(rounded)) return std::string();  // FtRou's NULL
  return RealFieldText(rounded);
}

}  // namespace ftcalc
