#include "data/host_connection.h"

#include "data/sqlite_handle.h"

namespace ftcalc {

HostConnection::~HostConnection() { Close(); }

void HostConnection::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool HostConnection::Open(const std::string& path, Mode mode, DbError* error) {
  Close();
  const int flags =
      (mode == Mode::kReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    if (error != nullptr) {
      *error = db_ != nullptr ? DbError::FromHandle(db_, rc) : DbError::Engine("out of memory");
    }
    Close();
    return false;
  }
  return true;
}

bool HostConnection::Attach(const std::string& path, const std::string& alias, DbError* error) {
  Statement stmt;
  int rc = stmt.Prepare(db_, "attach database ?1 as ?2");
  if (rc == SQLITE_OK) {
    stmt.BindText(1, path);
    stmt.BindText(2, alias);
    rc = stmt.Step();
  }
  if (rc == SQLITE_DONE || rc == SQLITE_OK) return true;
  if (error != nullptr) *error = DbError::FromHandle(db_, rc);
  return false;
}

void HostConnection::SetBusyTimeout(int milliseconds) {
  if (db_ != nullptr) sqlite3_busy_timeout(db_, milliseconds);
}

bool HostConnection::Exec(const std::string& sql, DbError* error) {
  if (db_ == nullptr) {
    if (error != nullptr) *error = DbError::Engine("no database connection");
    return false;
  }
  const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) return true;
  if (error != nullptr) *error = DbError::FromHandle(db_, rc);
  return false;
}

bool HostConnection::Read(const std::string& sql, Query& rows, DbError* error) {
  DbError failure;
  if (rows.Open(db_, sql, &failure)) return true;
  if (error != nullptr) *error = failure;
  return false;
}

bool HostConnection::HasTable(const std::string& schema, const std::string& table) {
  std::string quoted = "\"";
  for (char c : schema) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  Statement stmt;
  if (stmt.Prepare(db_, "select 1 from " + quoted +
                            "\".sqlite_master where type in ('table','view') and name=?1") !=
      SQLITE_OK) {
    return false;
  }
  stmt.BindText(1, table);
  return stmt.Step() == SQLITE_ROW;
}

bool HostConnection::in_transaction() const {
  return db_ != nullptr && !sqlite3_get_autocommit(db_);
}

int64_t HostConnection::changes() const { return db_ != nullptr ? sqlite3_changes(db_) : 0; }

}  // namespace ftcalc
