#include "data/host_handle.h"

#include "data/sqlite_handle.h"

namespace ftcalc {
namespace {

// Runs the one statement `sql` with `first` (and `second`, unless null)
// bound as texts.
bool RunBound(sqlite3* db, const char* sql, const std::string& first, const std::string* second,
              DbError* error) {
  Statement stmt;
  int rc = stmt.Prepare(db, sql);
  if (rc == SQLITE_OK) {
    stmt.BindText(1, first);
    if (second != nullptr) stmt.BindText(2, *second);
    rc = stmt.Step();
  }
  if (rc == SQLITE_DONE || rc == SQLITE_OK) return true;
  if (error != nullptr) *error = DbError::FromHandle(db, rc);
  return false;
}

}  // namespace

bool ExecOn(sqlite3* db, const std::string& sql, DbError* error) {
  if (db == nullptr) {
    if (error != nullptr) *error = DbError::Engine("no database connection");
    return false;
  }
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) return true;
  if (error != nullptr) *error = DbError::FromHandle(db, rc);
  return false;
}

bool AttachOn(sqlite3* db, const std::string& path, const std::string& alias, DbError* error) {
  return RunBound(db, "attach database ?1 as ?2", path, &alias, error);
}

bool DetachFrom(sqlite3* db, const std::string& alias, DbError* error) {
  return RunBound(db, "detach database ?1", alias, nullptr, error);
}

bool HasTableIn(sqlite3* db, const std::string& schema, const std::string& table) {
  std::string quoted = "\"";
  for (char c : schema) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  Statement stmt;
  if (stmt.Prepare(db, "select 1 from " + quoted +
                           "\".sqlite_master where type in ('table','view') and name=?1") !=
      SQLITE_OK) {
    return false;
  }
  stmt.BindText(1, table);
  return stmt.Step() == SQLITE_ROW;
}

bool InTransaction(sqlite3* db) { return db != nullptr && !sqlite3_get_autocommit(db); }

bool IsIdle(sqlite3* db) {
  return db != nullptr && sqlite3_get_autocommit(db) &&
         sqlite3_txn_state(db, nullptr) == SQLITE_TXN_NONE;
}

bool IsReadOnly(sqlite3* db, const std::string& schema) {
  return db != nullptr && sqlite3_db_readonly(db, schema.c_str()) == 1;
}

std::string FileNameOf(sqlite3* db, const std::string& schema) {
  const char* file = db != nullptr ? sqlite3_db_filename(db, schema.c_str()) : nullptr;
  return file != nullptr ? file : std::string();
}

std::string LastFailureMessage(sqlite3* db) {
  if (db == nullptr || sqlite3_errcode(db) == SQLITE_OK) return std::string();
  const char* message = sqlite3_errmsg(db);
  return message != nullptr ? message : std::string();
}

}  // namespace ftcalc
