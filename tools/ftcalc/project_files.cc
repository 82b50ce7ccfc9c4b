#include "project_files.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>

#include "engine/setup.h"
#include "platform/os.h"

namespace ftcalc::cli {
namespace {

// Runs one statement with `texts` bound to ?1, ?2, ... in order.
bool RunBound(sqlite3* db, const char* sql, std::initializer_list<std::string> texts) {
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
  if (rc == SQLITE_OK) {
    int index = 0;
    for (const std::string& text : texts) {
      sqlite3_bind_text(stmt, ++index, text.c_str(), -1, SQLITE_TRANSIENT);
    }
    rc = sqlite3_step(stmt);
  }
  sqlite3_finalize(stmt);
  return rc == SQLITE_DONE || rc == SQLITE_OK;
}

}  // namespace

bool AttachDatabase(sqlite3* db, const std::string& path, const std::string& alias,
                    std::string* error) {
  if (RunBound(db, "attach database ?1 as ?2", {path, alias})) return true;
  *error = "cannot attach '" + path + "' as " + alias + ": " + sqlite3_errmsg(db);
  return false;
}

bool DetachDatabase(sqlite3* db, const std::string& alias, std::string* error) {
  if (RunBound(db, "detach database ?1", {alias})) return true;
  *error = "cannot detach " + alias + ": " + sqlite3_errmsg(db);
  return false;
}

bool CheckDatabaseFile(const std::string& what, const std::string& path, std::string* error) {
  if (path.empty()) {
    *error = what + ": no file given";
    return false;
  }
  std::string reason;
  const PathKind kind = PathKindOf(path, &reason);
  if (kind == PathKind::kMissing) {
    *error = "cannot open " + what + " '" + path + "': " + reason;
    return false;
  }
  if (kind != PathKind::kFile) {
    *error = "cannot open " + what + " '" + path + "': not a regular file";
    return false;
  }
  std::string header;
  // An empty file is a valid (empty) database to SQLite, but never a
  // project; refuse it like any other non-database file.
  if (!ReadFileBytes(path, &header, 16) || header.size() < 16 ||
      std::memcmp(header.data(), "SQLite format 3", 16) != 0) {
    *error = "cannot open " + what + " '" + path + "': not an SQLite database";
    return false;
  }
  return true;
}

ProjectConnection::~ProjectConnection() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
}

bool ProjectConnection::Open(const std::string& project, const std::string& library,
                             const std::string& other, std::string* error, double wait_seconds) {
  return OpenWith(SQLITE_OPEN_READWRITE, project, library, other, wait_seconds, error);
}

bool ProjectConnection::OpenReadOnly(const std::string& project, const std::string& library,
                                     const std::string& other, std::string* error) {
  if (!OpenWith(SQLITE_OPEN_READONLY, project, library, other, kDefaultWaitSeconds, error)) {
    return false;
  }
  if (sqlite3_exec(db_, "pragma query_only=1", nullptr, nullptr, nullptr) != SQLITE_OK) {
    *error = "cannot open project database '" + project + "' read-only: " + sqlite3_errmsg(db_);
    return false;
  }
  return true;
}

// Attached databases are opened with the main database's flags, so a
// read-only connection attaches the libraries read-only as well.
bool ProjectConnection::OpenWith(int flags, const std::string& project, const std::string& library,
                                 const std::string& other, double wait_seconds,
                                 std::string* error) {
  if (!CheckDatabaseFile("project database", project, error)) return false;
  if (!library.empty() && !CheckDatabaseFile("library database", library, error)) return false;
  if (!other.empty() && !CheckDatabaseFile("other-quota database", other, error)) return false;
  // One thread at a time uses the connection (the engine's helper thread
  // never calls SQLite), so SQLite need not lock it on every call.
  if (sqlite3_open_v2(project.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    *error = "cannot open project database '" + project + "': " +
             (db_ ? sqlite3_errmsg(db_) : "out of memory");
    return false;
  }
  sqlite3_busy_timeout(db_, static_cast<int>(std::min(wait_seconds * 1000, double{INT_MAX})));
  // Reading the schema proves the file is a database we can use.
  if (sqlite3_exec(db_, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
    *error = "cannot open project database '" + project + "': " + sqlite3_errmsg(db_);
    return false;
  }
  if (!library.empty() && !AttachDatabase(db_, library, FileBaseName(library), error)) return false;
  if (!other.empty() && !AttachDatabase(db_, other, "其他", error)) return false;
  return true;
}

}  // namespace ftcalc::cli
