// The engine's session on the host's SQLite handle for the length of one
// call: the operations through which every step runs statements and opens
// queries, with the engine's rules for errors.
//
// Error rules. No operation throws or lets a database error escape. A
// failure is reported through the ErrorSink given at construction (the
// message without the driver prefix, and the failing statement as detail)
// and surfaces as -1 or false, which the steps may ignore and go on:
//   - a failure whose message mentions FtRou registers the function again
//     and runs the statement once more; a second failure is reported
//     whatever it says;
//   - a "database is locked" failure (SQLITE_BUSY or SQLITE_LOCKED) is not
//     reported and not retried, but counted (silenced_locks());
//   - a missing 工程档案 is reported with the project path as detail.
//
// Lost transactions. While the engine expects a transaction to be open on
// the handle (ExpectTransaction), a failure after which SQLite has ended it
// (a full disk, an I/O error) marks the session lost: from then on nothing
// runs any more, so no statement is ever saved on its own in autocommit
// mode. The caller asks transaction_lost() and stops.
//
// Quiet scopes. A fast path runs its statements inside a QuietScope: then
// nothing is reported and the first failure is kept for the fast path to
// see; it declines, and the plain statements run and report as they do.
//
// Thread safety: one thread, the caller's.
#ifndef FTCALC_DATA_DATABASE_H_
#define FTCALC_DATA_DATABASE_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/db_error.h"
#include "data/query.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

class FtRouRegistration;

// Where the data layer sends the database errors it reports.
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void ReportDbError(const std::string& message, const std::string& detail) = 0;
};

class Database {
 public:
  // `handle` stays the host's; `sink` receives every reported error;
  // `ftrou` (may be null) is registered again when a statement fails for
  // want of FtRou; `project_path` is the detail of a missing 工程档案.
  Database(sqlite3* handle, ErrorSink* sink, FtRouRegistration* ftrou, std::string project_path);
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  ~Database();

  sqlite3* handle() const { return connection_.handle(); }
  // Whether a transaction is open on the handle (the engine's or the host's).
  bool in_transaction() const;

  // Runs one statement; the number of rows changed, or -1.
  int64_t Exec(const std::string& sql);
  // Closes `query`, then opens it on `sql` and fetches every row; errors
  // are reported only when `report_errors` is set.
  bool Open(Query& query, const std::string& sql, bool report_errors = true);
  // The same in execute mode: the statement runs without a result set.
  bool ExecuteQuery(Query& query, const std::string& sql, bool report_errors = true);
  // Hands the rows to `each` one at a time (see Query::Stream). FtRou is
  // registered and the statement run again only when no row was handed
  // over yet.
  bool Stream(Query& query, const std::string& sql, const Query::RowVisitor& each);
  // Writes the edited row back; a failure is reported with the query's
  // statement.
  bool Post(Query& query);

  // Runs `pattern` with every "{}" standing for the number literal of the
  // same position in `numbers`. The effect, and the report of a failure,
  // are those of the statement with the literals pasted in; the statement
  // is prepared once per pattern and call and the numbers are bound, each
  // read back as "(?+0)", which converts text exactly as SQLite reads a
  // number literal. Returns what Exec returns.
  int64_t ExecNumbers(const std::string& pattern, const std::vector<std::string>& numbers);
  // The values the number texts give where ExecNumbers binds them, read
  // from SQLite itself. False when a text is one ExecNumbers would paste
  // instead, or SQLite fails.
  bool NumbersAsBound(const std::vector<std::string>& numbers, std::vector<SqlValue>* values);

  // Runs a statement of the engine's own bookkeeping (transaction control)
  // without any report; the failure, if any, in *error.
  bool Run(const std::string& sql, DbError* error);

  // For fast paths: a statement or a prepared query whose failure the
  // caller handles by declining. Nothing is reported; FtRou is registered
  // first when the statement needs it.
  bool TryExec(const std::string& sql);
  bool TryPrepare(Statement& stmt, const std::string& sql);
  // A statement kept prepared for the rest of the call, reset and unbound;
  // nullptr when it cannot be prepared (nothing reported).
  Statement* Cached(const std::string& sql);

  // Reports an error as a failing statement would.
  void Report(const std::string& message, const std::string& detail);
  // Errors reported through this session, and "database is locked"
  // failures that the rules kept silent.
  int64_t reported_errors() const { return reported_; }
  int64_t silenced_locks() const { return silenced_locks_; }

  // The engine owns (or the host holds) a transaction on the handle from
  // now on; see "Lost transactions" above.
  void ExpectTransaction(bool expected) { expect_transaction_ = expected; }
  bool transaction_lost() const { return lost_; }
  // The failure after which SQLite had ended the transaction.
  const DbError& lost_by() const { return lost_by_; }
  // Marks the session lost, with `cause`, when a transaction is expected and
  // SQLite has ended it; for callers that stepped statements of their own
  // (Cached, TryPrepare). Returns whether the session still runs.
  bool CheckTransaction(const DbError& cause);
  // The handle's own record of its last failure (for a cause to report).
  DbError LastHandleError() const;

  // While one is alive, failures are kept instead of reported.
  class QuietScope {
   public:
    explicit QuietScope(Database& db);
    ~QuietScope();
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;
    bool failed() const { return first_failure_.failed(); }
    const DbError& first_failure() const { return first_failure_; }

   private:
    friend class Database;
    Database& db_;
    QuietScope* outer_;
    DbError first_failure_;
  };

 private:
  // A statement's run failed with `error`: retried for FtRou, reported or
  // kept, and checked for a lost transaction. `retry` runs the statement
  // again and returns whether it succeeded (updating *error otherwise).
  template <typename Retry>
  void Failed(DbError* error, const std::string& detail, bool report_errors, Retry retry);
  void NoteFailure(const DbError& error);
  bool OpenQuery(Query& query, const std::string& sql, bool report_errors, bool execute_mode);
  bool RegisterFtRou();

  Connection connection_;
  ErrorSink* sink_;
  FtRouRegistration* ftrou_;
  std::string project_path_;
  // ExecNumbers' patterns: the number of "{}" and the bindable statement.
  std::unordered_map<std::string, std::pair<size_t, std::string>> patterns_;
  QuietScope* quiet_ = nullptr;
  int64_t reported_ = 0;
  int64_t silenced_locks_ = 0;
  bool expect_transaction_ = false;
  bool lost_ = false;
  DbError lost_by_;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_DATABASE_H_
