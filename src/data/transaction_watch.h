// Watches the transactions an engine call ends on the host's connection,
// so that the host can tell a calculation that was stored from one that
// SQLite or the engine rolled back, or whose commit failed: the engine
// reports a failing statement but returns nothing to say what was kept.
// A host-side facility (ftcalc and the extension use it); it lives here
// because it drives SQLite's hooks, which only the data layer calls.
#ifndef FTCALC_DATA_TRANSACTION_WATCH_H_
#define FTCALC_DATA_TRANSACTION_WATCH_H_

#include <string>

#include "data/sqlite_api.h"

namespace ftcalc {

// While it lives, counts the commits and the rollbacks of transactions on
// `db` through SQLite's commit and rollback hooks and its statement trace
// (which it owns meanwhile and clears when it goes). A rollback counts
// whether a statement asked for it or SQLite undid the transaction itself (a
// full disk, an I/O error).
class TransactionWatch {
 public:
  explicit TransactionWatch(sqlite3* db);
  ~TransactionWatch();
  TransactionWatch(const TransactionWatch&) = delete;
  TransactionWatch& operator=(const TransactionWatch&) = delete;

  // What became of the work done while watching, once the call is over.
  enum class Outcome {
    kStored,        // no rollback, no transaction left open
    kCommitFailed,  // a transaction is still open: its commit failed
    kRolledBack,    // rolled back, and nothing committed after that
    kPartlyStored,  // rolled back, then later work committed on its own
  };
  Outcome outcome() const;

  // Notes an error the engine reported. SQLite ends a transaction inside
  // the failing statement, which the engine reports right after; the engine
  // reports a failed commit before it rolls back. So what undid the work is
  // the first error noted after the first rollback, else the last before it.
  void NoteError(const std::string& message);
  // That error's message; empty when none was noted.
  const std::string& cause() const { return cause_.empty() ? before_rollback_ : cause_; }

  // One line for the user on what `outcome` means for `what` ("the
  // calculation"), with `cause` (SQLite's message) when not empty.
  static std::string Describe(Outcome outcome, const std::string& what, const std::string& cause);

 private:
  static int OnStatement(unsigned type, void* self, void* statement, void* sql);
  static int OnCommit(void* self);
  static void OnRollback(void* self);

  sqlite3* db_;
  bool statement_in_transaction_ = false;  // the running statement began in one
  int rollbacks_ = 0;
  int commits_after_rollback_ = 0;  // commits begun after the first rollback
  std::string cause_;               // the first error noted after the first rollback
  std::string last_error_;          // the last error noted
  std::string before_rollback_;     // the last error noted before the first rollback
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_TRANSACTION_WATCH_H_
