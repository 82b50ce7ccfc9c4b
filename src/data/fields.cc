#include "data/fields.h"

#include <cmath>

#include "data/number_text.h"

namespace ftcalc {
namespace {

// -1 when the reference names no field of the query.
int ResolveField(const Query& query, std::string_view field) {
  if (!query.is_open()) return -1;
  const int64_t position = field == "0" ? 0 : CAtol(field);
  if (field == "0" || position > 0) {
    return position < query.FieldCount() ? static_cast<int>(position) : -1;
  }
  return query.FieldIndex(field);
}

}  // namespace

std::string FieldText(const Query& query, std::string_view field) {
  const int index = ResolveField(query, field);
  if (index < 0) return std::string();
  const SqlValue& value = query.Value(index);
  if (value.is_null()) return std::string();
  switch (query.Kind(index)) {
    case FieldKind::kInteger: return std::to_string(CAtol(value.AsSqliteText()));
    case FieldKind::kFloat: return NumberText(value.AsSqliteTextNumber());
    default: return value.AsSqliteText();
  }
}

double FieldNumber(const Query& query, std::string_view field, int digits) {
  const int index = ResolveField(query, field);
  if (index < 0) return 0;
  const double value = query.Value(index).AsSqliteTextNumber();
  return digits == -1 ? value : RoundHalfUp(digits, value);
}

bool SetFieldInteger(Query& query, std::string_view field, int64_t value) {
  if (!query.is_open()) return false;
  const int index = ResolveField(query, field);
  if (index >= 0) query.SetValue(index, SqlValue::Integer(value));
  return true;
}

bool SetFieldNumber(Query& query, std::string_view field, int digits, double value) {
  if (!query.is_open()) return false;
  const int index = ResolveField(query, field);
  if (index >= 0) {
    query.SetValue(index, SqlValue::Real(digits == -1 ? value : RoundHalfUp(digits, value)));
  }
  return true;
}

std::string FieldNumberLiteral(const Query& query, std::string_view field) {
  const int index = ResolveField(query, field);
  if (index < 0) return "0";
  const SqlValue& value = query.Value(index);
  if (value.type() == SQLITE_INTEGER) return FieldText(query, field);
  if (value.type() == SQLITE_FLOAT) {
    if (!std::isfinite(value.real())) return "0";
    return FieldText(query, field);
  }
  const double number = CAtof(value.AsSqliteText());
  return std::isfinite(number) ? NumberText(number) : "0";
}

std::string NumberLiteral(const std::string& text) {
  if (!text.empty() && text[0] > ' ' && CAtofLength(text) == text.size() &&
      std::isfinite(CAtof(text))) {
    return text;
  }
  const double number = CAtof(text);
  return std::isfinite(number) ? NumberText(number) : "0";
}

}  // namespace ftcalc
