// Transactions the engine owns on the host's handle, as RAII guards that
// roll back unless committed.
#ifndef FTCALC_DATA_TRANSACTION_H_
#define FTCALC_DATA_TRANSACTION_H_

#include <string>

#include "data/database.h"

namespace ftcalc {

// The full calculation's transaction. "begin" runs like any statement (a
// failure is reported). When the host already holds a transaction, the
// engine does not own one: it neither commits nor rolls back the host's.
class Transaction {
 public:
  explicit Transaction(Database& db);
  // Rolls back what was not committed (an exception, a lost transaction).
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Whether the engine began a transaction of its own.
  bool owned() const { return owned_; }

  // Commits. A failure is always reported, "database is locked" included
  // (SQLite has waited as long as the host's busy timeout allows), and the
  // transaction is then rolled back: nothing is half kept. Returns whether
  // the work is saved (false also when the transaction was lost before).
  bool Commit();

 private:
  Database& db_;
  bool owned_ = false;
  bool finished_ = false;
};

// A savepoint around work that may have to be undone (a fast path that
// declines after it wrote). Outside any transaction it begins one, which
// Release commits.
class Savepoint {
 public:
  Savepoint(Database& db, std::string name);
  // Rolls back to the savepoint and releases it, unless Release ran.
  ~Savepoint();
  Savepoint(const Savepoint&) = delete;
  Savepoint& operator=(const Savepoint&) = delete;

  // Whether the savepoint was opened; the work must not run otherwise.
  bool active() const { return active_; }
  // Keeps the work. False when releasing failed; the work is undone then.
  bool Release();
  // Undoes the work now.
  void Rollback();

 private:
  Database& db_;
  std::string name_;
  bool active_ = false;
  bool outermost_ = false;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_TRANSACTION_H_
