// Read-only access to a project for the commands that look at it without
// calculating (check, explain, report): queries through the engine's own
// query objects, the project's decimals, and the number forms shown.
#ifndef FTCALC_TOOLS_PROJECT_READER_H_
#define FTCALC_TOOLS_PROJECT_READER_H_

#include <string>

#include "data/query.h"
#include "data/sqlite_api.h"

namespace ftcalc::cli {

// Opens `sql` on `db` into `query` (every row fetched). On failure the
// query stays closed and *error holds SQLite's message.
bool ReadQuery(sqlite3* db, const std::string& sql, Query& query, std::string* error);

// Whether `table` exists in the schema `schema` ("main", an attached alias).
bool HasTable(sqlite3* db, const std::string& schema, const std::string& table);

// The trimmed 内容 of the 工程档案 row `name`; empty when there is none.
std::string ArchiveValue(sqlite3* db, const std::string& name);

// The price decimals as the engine takes them: the project's 参数 row
// 价格小数位, else the line 价格小数位 of the library's 计算设置 block,
// else 2. `library_alias` may be empty (no library attached).
int PriceDecimals(sqlite3* db, const std::string& library_alias);

// A money amount as stored, written with at least `decimals` decimals:
// 5000 is "5000.00" at 2 decimals, while 0.125 stays "0.125", so no stored
// digit is ever hidden or rounded away.
std::string MoneyText(double value, int decimals);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_PROJECT_READER_H_
