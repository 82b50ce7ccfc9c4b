#include "data/host_connection.h"

#include "data/host_handle.h"

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
  return AttachOn(db_, path, alias, error);
}

void HostConnection::SetBusyTimeout(int milliseconds) {
  if (db_ != nullptr) sqlite3_busy_timeout(db_, milliseconds);
}

bool HostConnection::Exec(const std::string& sql, DbError* error) {
  return ExecOn(db_, sql, error);
}

bool HostConnection::Read(const std::string& sql, Query& rows, DbError* error) {
  DbError failure;
  if (rows.Open(db_, sql, &failure)) return true;
  if (error != nullptr) *error = failure;
  return false;
}

bool HostConnection::HasTable(const std::string& schema, const std::string& table) {
  return HasTableIn(db_, schema, table);
}

bool HostConnection::in_transaction() const { return InTransaction(db_); }

int64_t HostConnection::changes() const { return db_ != nullptr ? sqlite3_changes(db_) : 0; }

}  // namespace ftcalc
