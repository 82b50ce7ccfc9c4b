// The operations through which every step talks to the project database.
// None of them throws or lets a database error escape: a failure is shown in
// the database error window (with the failing statement) and surfaces as -1
// or false, which the steps may ignore and go on.
#ifndef FTCALC_DATA_SQL_EXEC_H_
#define FTCALC_DATA_SQL_EXEC_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/query.h"

namespace ftcalc {

class Connection;

// Runs one statement on `connection` (nullptr: the engine connection).
// Returns the number of rows changed, or -1 on failure. A failure whose
// message mentions FtRou re-registers the function and retries once; a
// "database is locked" failure is not shown (nor retried).
int64_t ExecSql(const std::string& sql, Connection* connection = nullptr);

// Runs a statement the engine adds for its own speed (a scratch table, say)
// and whose failure the caller handles by falling back on the plain
// statements: like ExecSql, but a failure is not shown. True on success.
bool TryExecSql(const std::string& sql);

// Prepares a query the engine reads row by row for its own speed, on the
// engine's connection, registering FtRou first if the statement needs it.
// False (nothing shown) when it cannot be prepared: the caller falls back
// on the plain statements.
bool TryPrepare(Statement& stmt, const std::string& sql);

// Runs `pattern` with every "{}" standing for the number literal of the
// same position in `numbers` (texts such as FieldNumberLiteral or
// NumberText give). The effect, and the report of a failure, are those of
// the statement with the literals pasted in; the statement is prepared once
// per pattern and call and the numbers are bound, so that a pattern run for
// every row of a project is not parsed every time. Each literal is bound as
// text and read back as "(?+0)", which converts text exactly as SQLite
// reads a number literal (an integer stays INTEGER, a decimal or exponent
// gives REAL). Returns what ExecSql returns.
int64_t ExecSqlNumbers(const std::string& pattern, const std::vector<std::string>& numbers);

// The values the number texts give where ExecSqlNumbers binds them, read
// from SQLite itself (a few statements for all of them). False when a text
// is one ExecSqlNumbers would paste instead, or SQLite fails.
bool NumbersAsBound(const std::vector<std::string>& numbers, std::vector<SqlValue>* values);

// Closes `query`, then opens it on `sql` and fetches every row (or, in
// execute mode, runs it without a result set). Same error rules as ExecSql;
// errors are shown only when `report_errors` is set, and a missing 工程档案
// is reported with the project path as detail.
// Like OpenQuery, but hands the rows to `each` one at a time (see
// Query::Stream) instead of keeping them. A failure is reported as
// OpenQuery reports it; FtRou is registered and the statement run again
// only when no row has been handed over yet.
bool StreamQuery(Query& query, const std::string& sql, const Query::RowVisitor& each);

bool OpenQuery(Query& query, const std::string& sql, bool report_errors = true,
               bool execute_mode = false, Connection* connection = nullptr);

// A field reference is a column name, or a position written as digits: "0",
// or any text from whose start atol reads a positive number.
//
// Text of the field in the current row; empty text for a closed query, an
// unknown name or a position past the last field. Integer fields read as
// the decimal of their atol value, float fields as NumberText(atof(text)).
std::string FieldText(const Query& query, std::string_view field);
// atof of the field's raw text, rounded with RoundHalfUp unless digits is -1.
double FieldNumber(const Query& query, std::string_view field, int digits = -1);
// Assign to the current row (the caller puts it into edit state and posts).
// True whenever the query is open, even if the field does not exist.
bool SetFieldInteger(Query& query, std::string_view field, int64_t value);
bool SetFieldNumber(Query& query, std::string_view field, int digits, double value);

// Puts the current row into edit state / writes it back; a failure to post
// is reported like a failing statement.
void EditRow(Query& query);
bool PostRow(Query& query, Connection* connection = nullptr);

// Transaction on the engine connection; there is no rollback.
void BeginWork(Connection* connection = nullptr);
void CommitWork(Connection* connection = nullptr);

// Shows the database error window (the host's, or the terminal default).
void ShowDbError(const std::string& message, const std::string& detail);

// With FTCALC_TIMINGS=2 in the environment, prints the statements that
// took the most time since the last call (to stderr) and starts afresh.
void PrintStatementTimings();

// Number of database errors shown since the engine was loaded.
int64_t DbErrorCount();

// Text pasted between single quotes in a statement: every quote doubled.
std::string SqlQuoted(std::string_view text);

// A field's value pasted into a statement as a number: INTEGER and REAL
// fields as FieldText gives them; NULL, TEXT or anything not finite as
// NumberText(atof(text)) (0 when unreadable), so that a missing or
// malformed number never breaks or changes a statement.
std::string FieldNumberLiteral(const Query& query, std::string_view field);

}  // namespace ftcalc

#endif  // FTCALC_DATA_SQL_EXEC_H_
