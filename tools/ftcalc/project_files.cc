#include "project_files.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "data/host_handle.h"
#include "engine/setup.h"
#include "platform/os.h"

namespace ftcalc::cli {

bool AttachDatabase(sqlite3* db, const std::string& path, const std::string& alias,
                    std::string* error) {
  DbError failure;
  if (AttachOn(db, path, alias, &failure)) return true;
  *error = "cannot attach '" + path + "' as " + alias + ": " + failure.message;
  return false;
}

bool DetachDatabase(sqlite3* db, const std::string& alias, std::string* error) {
  DbError failure;
  if (DetachFrom(db, alias, &failure)) return true;
  *error = "cannot detach " + alias + ": " + failure.message;
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

ProjectConnection::~ProjectConnection() = default;

bool ProjectConnection::Open(const std::string& project, const std::string& library,
                             const std::string& other, std::string* error, double wait_seconds) {
  return OpenWith(HostConnection::Mode::kReadWrite, project, library, other, wait_seconds, error);
}

bool ProjectConnection::OpenReadOnly(const std::string& project, const std::string& library,
                                     const std::string& other, std::string* error) {
  if (!OpenWith(HostConnection::Mode::kReadOnly, project, library, other, kDefaultWaitSeconds,
                error)) {
    return false;
  }
  DbError failure;
  if (!connection_.Exec("pragma query_only=1", &failure)) {
    *error = "cannot open project database '" + project + "' read-only: " + failure.message;
    return false;
  }
  return true;
}

// Attached databases are opened with the main database's flags, so a
// read-only connection attaches the libraries read-only as well.
bool ProjectConnection::OpenWith(HostConnection::Mode mode, const std::string& project,
                                 const std::string& library, const std::string& other,
                                 double wait_seconds, std::string* error) {
  if (!CheckDatabaseFile("project database", project, error)) return false;
  if (!library.empty() && !CheckDatabaseFile("library database", library, error)) return false;
  if (!other.empty() && !CheckDatabaseFile("other-quota database", other, error)) return false;
  // One thread at a time uses the connection (the engine's helper thread
  // never calls SQLite), so SQLite need not lock it on every call.
  DbError failure;
  if (!connection_.Open(project, mode, &failure)) {
    *error = "cannot open project database '" + project + "': " + failure.message;
    return false;
  }
  connection_.SetBusyTimeout(static_cast<int>(std::min(wait_seconds * 1000, double{INT_MAX})));
  // Reading the schema proves the file is a database we can use.
  if (!connection_.Exec("select count(*) from sqlite_master", &failure)) {
    *error = "cannot open project database '" + project + "': " + failure.message;
    return false;
  }
  sqlite3* db = connection_.handle();
  if (!library.empty() && !AttachDatabase(db, library, FileBaseName(library), error)) return false;
  if (!other.empty() && !AttachDatabase(db, other, "其他", error)) return false;
  return true;
}

}  // namespace ftcalc::cli
