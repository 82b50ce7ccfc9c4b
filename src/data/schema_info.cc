#include "data/schema_info.h"

#include "data/fields.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// The declared type of a column, upper-cased; false when there is no such column.
bool DeclaredType(Database& db, const std::string& table, const std::string& column,
                  std::string* type) {
  Query info;
  if (!db.Open(info,
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
bool IsRealAffinityType(const std::string& type) {
  if (Contains(type, "INT") || Contains(type, "CHAR") || Contains(type, "CLOB") ||
      Contains(type, "TEXT") || Contains(type, "BLOB") || Trim(type).empty()) {
    return false;
  }
  return Contains(type, "REAL") || Contains(type, "FLOA") || Contains(type, "DOUB");
}

}  // namespace

std::unordered_set<std::string> RealAffinityColumns(Database& db, const std::string& table) {
  std::unordered_set<std::string> columns;
  Query info;
  if (!db.Open(info, "select name, type from pragma_table_info('" + SqlQuoted(table) + "')",
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

bool HasNumericAffinity(Database& db, const std::string& table, const std::string& column) {
  std::string type;
  if (!DeclaredType(db, table, column, &type)) return false;
  // SQLite's affinity rules, in their order of precedence.
  if (Contains(type, "INT")) return true;
  if (Contains(type, "CHAR") || Contains(type, "CLOB") || Contains(type, "TEXT")) return false;
  if (Contains(type, "BLOB") || Trim(type).empty()) return false;
  return true;  // REAL, FLOA, DOUB, or NUMERIC affinity
}

bool ComparesAsStored(Database& db, const std::string& table, const std::string& column) {
  std::string type;
  if (!DeclaredType(db, table, column, &type)) return false;
  // SQLite's affinity rules, in their order of precedence.
  if (Contains(type, "INT")) return true;
  return !(Contains(type, "CHAR") || Contains(type, "CLOB") || Contains(type, "TEXT"));
}

bool IsIntegerKeyColumn(Database& db, const std::string& table, const std::string& column) {
  // "schema.table" names the schema; a plain name is resolved as usual.
  const size_t dot = table.find('.');
  const std::string arguments =
      dot == std::string::npos
          ? "'" + SqlQuoted(table) + "'"
          : "'" + SqlQuoted(table.substr(dot + 1)) + "','" + SqlQuoted(table.substr(0, dot)) + "'";
  Query info;
  if (!db.Open(info,
               "select name, upper(trim(type)) as type from pragma_table_info(" + arguments +
                   ") where pk>0",
               /*report_errors=*/false)) {
    return false;
  }
  if (info.RecordCount() != 1) return false;
  info.First();
  return FieldText(info, "name") == column && FieldText(info, "type") == "INTEGER";
}

bool HasTriggers(Database& db) {
  Query triggers;
  // A failed read counts as triggers: what needs none is then not assumed.
  if (!db.Open(triggers,
               "select 1 from main.sqlite_master where type='trigger' union all "
               "select 1 from temp.sqlite_master where type='trigger'",
               /*report_errors=*/false)) {
    return true;
  }
  triggers.First();
  return !triggers.Eof();
}

bool TotalAddsInRowOrder() { return sqlite3_libversion_number() < 3043000; }

bool IsPlainIdentifier(const std::string& name) {
  bool plain = !name.empty() && !(name[0] >= '0' && name[0] <= '9');
  for (char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    plain = plain && (u >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                      (c >= 'A' && c <= 'Z'));
  }
  return plain && !sqlite3_keyword_check(name.data(), static_cast<int>(name.size()));
}

}  // namespace ftcalc
