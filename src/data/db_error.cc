#include "data/db_error.h"

namespace ftcalc {

DbError DbError::FromHandle(sqlite3* db, int rc) {
  DbError error;
  error.extended_code = db != nullptr ? sqlite3_extended_errcode(db) : rc;
  // A statement's step returns the primary code; the handle knows the rest.
  if ((error.extended_code & 0xff) != (rc & 0xff)) error.extended_code = rc;
  error.code = rc & 0xff;
  if (error.code == SQLITE_OK) error.code = SQLITE_ERROR;
  const char* message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  error.message = message != nullptr ? message : "";
  return error;
}

DbError DbError::Engine(std::string message) {
  DbError error;
  error.code = SQLITE_ERROR;
  error.extended_code = SQLITE_ERROR;
  error.message = std::move(message);
  return error;
}

}  // namespace ftcalc
