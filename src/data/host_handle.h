// What a host does on a SQLite handle it holds, beside the engine's own
// statements: running its transaction control, attaching the libraries,
// asking what state the connection is in. The handle is the host's own
// connection (HostConnection) or, in the extension, the connection of the
// client that called it; either way it is borrowed here, never closed. The
// engine's steps use none of this.
#ifndef FTCALC_DATA_HOST_HANDLE_H_
#define FTCALC_DATA_HOST_HANDLE_H_

#include <string>

#include "data/db_error.h"
#include "data/sqlite_api.h"

namespace ftcalc {

// Runs every statement of `sql` on `db`. False with SQLite's codes and
// message (the codes tell a lock, see DbError::locked()).
bool ExecOn(sqlite3* db, const std::string& sql, DbError* error = nullptr);

// Attaches the database file `path` under the schema name `alias`, and
// detaches it again; both names are bound, so any text works.
bool AttachOn(sqlite3* db, const std::string& path, const std::string& alias, DbError* error);
bool DetachFrom(sqlite3* db, const std::string& alias, DbError* error);

// Whether `table` (or a view) exists in `schema` ("main", an alias).
bool HasTableIn(sqlite3* db, const std::string& schema, const std::string& table);

// Whether a transaction begun on purpose (BEGIN, a savepoint) is open:
// SQLite's autocommit mode is off.
bool InTransaction(sqlite3* db);
// Whether nothing at all holds a transaction on `db`: none begun on
// purpose, and no statement still reading or writing (the one that calls
// an extension function reads, when it reads a table).
bool IsIdle(sqlite3* db);
// Whether `schema` is open read-only; false also when there is no such
// schema.
bool IsReadOnly(sqlite3* db, const std::string& schema);
// The file behind `schema`; empty for an in-memory or temporary database
// or an unknown schema.
std::string FileNameOf(sqlite3* db, const std::string& schema);

// SQLite's message for the failure of the last call on `db`; empty when
// that call succeeded.
std::string LastFailureMessage(sqlite3* db);

}  // namespace ftcalc

#endif  // FTCALC_DATA_HOST_HANDLE_H_
