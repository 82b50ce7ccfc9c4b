#include "project_reader.h"

#include <cmath>

#include "data/fields.h"
#include "data/host_handle.h"
#include "data/number_text.h"
#include "data/text_util.h"
#include "ui/host.h"

namespace ftcalc::cli {

bool ReadQuery(sqlite3* db, const std::string& sql, Query& query, std::string* error) {
  DbError failure;
  if (!query.Open(db, sql, &failure)) {
    if (error) *error = failure.message.empty() ? "cannot run: " + sql : failure.message;
    return false;
  }
  return true;
}

bool HasTable(sqlite3* db, const std::string& schema, const std::string& table) {
  return HasTableIn(db, schema, table);
}

bool HasColumn(sqlite3* db, const std::string& table, const std::string& column) {
  Query query;
  return ReadQuery(db,
                   "select 1 from pragma_table_info('" + SqlQuoted(table) + "') where name='" +
                       SqlQuoted(column) + "'",
                   query, nullptr) &&
         query.RecordCount() > 0;
}

std::string ArchiveValue(sqlite3* db, const std::string& name) {
  Query query;
  if (!ReadQuery(db, "select 内容 from 工程档案 where 名称='" + SqlQuoted(name) + "'", query,
                 nullptr)) {
    return std::string();
  }
  query.First();
  return Trim(FieldText(query, "内容"));
}

ProjectDecimals ReadProjectDecimals(sqlite3* db, const std::string& library_alias) {
  // The tools show no database error of the engine's look-ups: a missing
  // parameter table only means the defaults apply.
  class Silent : public ErrorSink {
    void ReportDbError(const std::string&, const std::string&) override {}
  } silent;
  Database session(db, &silent, nullptr, std::string());
  ProjectSettings settings;
  settings.library_alias = library_alias;
  settings.exe_dir = HostUi().ExecutableDir();
  return ReadDecimals(session, settings);
}

std::string MoneyText(double value, int decimals) {
  if (!std::isfinite(value)) return NumberText(value);
  const std::string exact = NumberText(value);
  if (decimals <= 0 || decimals > 15) return exact;
  const std::string fixed = FixedText(decimals, value);
  // The fixed form is used only when it reads back as the same number.
  return CAtof(fixed) == CAtof(exact) ? fixed : exact;
}

}  // namespace ftcalc::cli
