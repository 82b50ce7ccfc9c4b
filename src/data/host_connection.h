// A connection that the host side opens and owns: the command-line host
// and the tools that read a project. The engine never opens one; it drives
// the handle a host passes in (see database.h).
#ifndef FTCALC_DATA_HOST_CONNECTION_H_
#define FTCALC_DATA_HOST_CONNECTION_H_

#include <cstdint>
#include <string>

#include "data/db_error.h"
#include "data/query.h"

namespace ftcalc {

class HostConnection {
 public:
  enum class Mode {
    kReadWrite,  // the file must exist; nothing is created
    kReadOnly,   // the file and what is attached are opened read-only
  };

  HostConnection() = default;
  // Closes the handle (statements the caller left open are finalized by
  // SQLite when the last one goes).
  ~HostConnection();
  HostConnection(const HostConnection&) = delete;
  HostConnection& operator=(const HostConnection&) = delete;

  // Opens `path`. One thread at a time uses the connection, so SQLite need
  // not lock it on every call. False with SQLite's message.
  bool Open(const std::string& path, Mode mode, DbError* error);
  // Attaches `path` under `alias` (both bound, so any name works).
  bool Attach(const std::string& path, const std::string& alias, DbError* error);
  // How long a statement waits for another connection's lock.
  void SetBusyTimeout(int milliseconds);
  void Close();

  // Runs every statement of `sql`.
  bool Exec(const std::string& sql, DbError* error = nullptr);
  // Opens `sql` into `rows`, every row fetched.
  bool Read(const std::string& sql, Query& rows, DbError* error = nullptr);
  // Whether `table` (or a view) exists in `schema` ("main", an alias).
  bool HasTable(const std::string& schema, const std::string& table);

  bool is_open() const { return db_ != nullptr; }
  bool in_transaction() const;
  // Rows changed by the last statement.
  int64_t changes() const;
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_HOST_CONNECTION_H_
