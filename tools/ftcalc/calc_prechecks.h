// What calc and recalc make sure of before they hand a project to the
// engine. The engine reports every failing statement and goes on, so a
// project it cannot write, or libraries without the tables it reads, would
// give hundreds of copies of one error and totals worked out from nothing.
// Each check reads only: a refused project keeps its bytes and its mtime.
#ifndef FTCALC_TOOLS_CALC_PRECHECKS_H_
#define FTCALC_TOOLS_CALC_PRECHECKS_H_

#include <string>

#include "data/db_error.h"
#include "data/sqlite_api.h"

namespace ftcalc::cli {

// The library (attached under its file's base name) holds 参数 and 计算设置,
// and the other-quota library (attached as 其他) holds 材料标志, 材料三材 and
// 材料供应方, as tables or views. Otherwise false with one line naming the
// file and what it lacks (or why it cannot be read).
bool CheckLibraryTables(sqlite3* db, const std::string& library_path,
                        const std::string& other_path, std::string* error);

// The project can be written (the file, and its folder where SQLite keeps
// the journal) and its write lock can be taken within the connection's busy
// timeout; the lock is released again before returning. `wait_seconds`
// only words the message. Otherwise false with one line.
bool CheckProjectWritable(sqlite3* db, const std::string& project_path, double wait_seconds,
                          std::string* error);

// Begins a transaction that holds the project's write lock and no other:
// "begin immediate" would take the write lock of every attached database,
// the libraries that other projects share included, and a transaction that
// holds several write locks commits through a super-journal (one more file
// and three more syncs) even when only the project changed. A delete that
// matches no row of 分部分项 takes the lock of main alone, waiting within the
// busy timeout as "begin immediate" would. A project without that table
// gets "begin immediate". False with the failure, and no transaction open.
bool BeginProjectWrite(sqlite3* db, DbError* failure);

// A warning line when `folder` (where the engine writes User.INI and makes
// its Tmp folder) is not a folder this process can write; empty when it is.
std::string HostFolderWarning(const std::string& folder);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_CALC_PRECHECKS_H_
