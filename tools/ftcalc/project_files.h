// Opening a project as a host does: the project database on one connection,
// the library attached under its file's base name and the other-quota
// library under 其他. Nothing is created: a missing or non-database file is
// refused with a one-line message before anything is opened for writing.
#ifndef FTCALC_TOOLS_PROJECT_FILES_H_
#define FTCALC_TOOLS_PROJECT_FILES_H_

#include <string>

#include "data/host_connection.h"

namespace ftcalc::cli {

// How long a connection waits for another connection's lock before a
// statement fails with "database is locked" (SQLite's busy timeout).
constexpr double kDefaultWaitSeconds = 5;

// An open project connection; closes it on destruction.
class ProjectConnection {
 public:
  ProjectConnection() = default;
  ~ProjectConnection();
  ProjectConnection(const ProjectConnection&) = delete;
  ProjectConnection& operator=(const ProjectConnection&) = delete;

  // Opens `project` read-write and attaches the two libraries (either may be
  // empty to skip it); every statement waits up to `wait_seconds` for a
  // lock. On failure returns false with a one-line message.
  bool Open(const std::string& project, const std::string& library, const std::string& other,
            std::string* error, double wait_seconds = kDefaultWaitSeconds);
  // The same, read-only: the files and the attached libraries are opened
  // without write access and the connection refuses every change
  // (query_only), so nothing run on it can alter a file.
  bool OpenReadOnly(const std::string& project, const std::string& library,
                    const std::string& other, std::string* error);
  sqlite3* handle() const { return connection_.handle(); }

 private:
  bool OpenWith(HostConnection::Mode mode, const std::string& project, const std::string& library,
                const std::string& other, double wait_seconds, std::string* error);

  HostConnection connection_;
};

// Checks that `path` names an existing, readable SQLite database file.
bool CheckDatabaseFile(const std::string& what, const std::string& path, std::string* error);

// Attaches the database file `path` to `db` under the schema name `alias`.
// On failure returns false with a one-line message.
bool AttachDatabase(sqlite3* db, const std::string& path, const std::string& alias,
                    std::string* error);
// Detaches the schema `alias` from `db`; false with SQLite's message.
bool DetachDatabase(sqlite3* db, const std::string& alias, std::string* error);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_PROJECT_FILES_H_
