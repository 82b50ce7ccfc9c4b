#include "calc/item_tree.h"

#include <cmath>

#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/sql_exec.h"
#include "data/sqlite_handle.h"
#include "data/text_util.h"

namespace ftcalc {

namespace {

// The declared type of a column, upper-cased; false when there is no such column.
bool DeclaredType(const std::string& table, const std::string& column, std::string* type) {
  Query info;
  if (!OpenQuery(info,
                 "select type from pragma_table_info('" + SqlQuoted(table) + "') where name='" +
                     SqlQuoted(column) + "'",
                 /*report_errors=*/false)) {
    return false;
  }
  if (info.RecordCount() == 0) return false;
  info.First();
  *type = AsciiUpper(FieldText(info, "type"));
  return true;
}

// SQLite's affinity rules, in their order of precedence, for REAL.
bool IsRealAffinityType(const std::string& upper_type) {
  const std::string& type = upper_type;
  if (Contains(type, "INT") || Contains(type, "CHAR") || Contains(type, "CLOB") ||
      Contains(type, "TEXT") || Contains(type, "BLOB") || Trim(type).empty()) {
    return false;
  }
  return Contains(type, "REAL") || Contains(type, "FLOA") || Contains(type, "DOUB");
}

}  // namespace

std::unordered_set<std::string> RealAffinityColumns(const std::string& table) {
  std::unordered_set<std::string> columns;
  Query info;
  if (!OpenQuery(info, "select name, type from pragma_table_info('" + SqlQuoted(table) + "')",
                 /*report_errors=*/false)) {
    return columns;
  }
  for (info.First(); !info.Eof(); info.Next()) {
    if (IsRealAffinityType(AsciiUpper(FieldText(info, "type")))) {
      columns.insert(FieldText(info, "name"));
    }
  }
  return columns;
}

bool HasNumericAffinity(const std::string& table, const std::string& column) {
  std::string type;
  if (!DeclaredType(table, column, &type)) return false;
  // SQLite's affinity rules, in their order of precedence.
  if (Contains(type, "INT")) return true;
  if (Contains(type, "CHAR") || Contains(type, "CLOB") || Contains(type, "TEXT")) return false;
  if (Contains(type, "BLOB") || Trim(type).empty()) return false;
  return true;  // REAL, FLOA, DOUB, or NUMERIC affinity
}

bool IsIntegerKeyColumn(const std::string& table, const std::string& column) {
  // "schema.table" names the schema; a plain name is resolved as usual.
  const size_t dot = table.find('.');
  const std::string arguments =
      dot == std::string::npos
          ? "'" + SqlQuoted(table) + "'"
          : "'" + SqlQuoted(table.substr(dot + 1)) + "','" + SqlQuoted(table.substr(0, dot)) + "'";
  Query info;
  if (!OpenQuery(info,
                 "select name, upper(trim(type)) as type from pragma_table_info(" + arguments +
                     ") where pk>0",
                 /*report_errors=*/false)) {
    return false;
  }
  if (info.RecordCount() != 1) return false;
  info.First();
  return FieldText(info, "name") == column && FieldText(info, "type") == "INTEGER";
}

bool IntegerKey(const SqlValue& value, int64_t* key) {
  if (value.type == SQLITE_INTEGER) {
    *key = value.integer;
    return true;
  }
  if (value.type == SQLITE_FLOAT) {
    const double r = value.real;
    // 2^63 is exact as a double; anything at or past it is no int64.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return false;
    if (std::floor(r) != r) return false;
    *key = static_cast<int64_t>(r);
    return true;
  }
  return false;
}

bool TotalAddsInRowOrder() { return sqlite3_libversion_number() < 3043000; }

std::string RealFieldText(double x) { return NumberText(SqlValue::Real(x).AsSqliteTextNumber()); }

std::string FtRouFieldText(double x, int digits) {
  const double rounded = FtRouOfReal(x, digits);
  if (std::isnan(rounded)) return std::string();  // sqlite3_result_double: NULL
  return RealFieldText(rounded);
}

}  // namespace ftcalc
