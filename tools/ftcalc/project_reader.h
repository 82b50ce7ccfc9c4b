// Read-only access to a project for the commands that look at it without
// calculating (check, explain, report): queries through the engine's own
// query objects, the project's decimals, and the number forms shown.
#ifndef FTCALC_TOOLS_PROJECT_READER_H_
#define FTCALC_TOOLS_PROJECT_READER_H_

#include <string>

#include "data/query.h"
#include "engine/setup.h"
#include "data/sqlite_api.h"

namespace ftcalc::cli {

// Opens `sql` on `db` into `query` (every row fetched). On failure the
// query stays closed and *error holds SQLite's message.
bool ReadQuery(sqlite3* db, const std::string& sql, Query& query, std::string* error);

// Whether `table` exists in the schema `schema` ("main", an attached alias).
bool HasTable(sqlite3* db, const std::string& schema, const std::string& table);

// Whether `table` of the main database has a column `column`.
bool HasColumn(sqlite3* db, const std::string& table, const std::string& column);

// The trimmed 内容 of the 工程档案 row `name`; empty when there is none.
std::string ArchiveValue(sqlite3* db, const std::string& name);

// The quantity and price decimals exactly as the engine's setup fixes them
// (its own rule, with this program's folder as the install), read without
// showing any error. `library_alias` may be empty (no library attached).
ProjectDecimals ReadProjectDecimals(sqlite3* db, const std::string& library_alias);
inline int PriceDecimals(sqlite3* db, const std::string& library_alias) {
  return ReadProjectDecimals(db, library_alias).price;
}

// A money amount as stored, written with at least `decimals` decimals:
// 5000 is "5000.00" at 2 decimals, while 0.125 stays "0.125", so no stored
// digit is ever hidden or rounded away.
std::string MoneyText(double value, int decimals);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_PROJECT_READER_H_
