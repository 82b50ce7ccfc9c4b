#include "data/transaction.h"

#include <utility>

namespace ftcalc {

Transaction::Transaction(Database& db) : db_(db) {
  const bool host_transaction = db.handle() != nullptr && !sqlite3_get_autocommit(db.handle());
  db.Exec("begin");
  owned_ = !host_transaction && db.handle() != nullptr && !sqlite3_get_autocommit(db.handle());
  db.ExpectTransaction(owned_ || host_transaction);
}

Transaction::~Transaction() {
  if (owned_ && !finished_ && !db_.transaction_lost()) db_.Run("rollback", nullptr);
  db_.ExpectTransaction(false);
}

bool Transaction::Commit() {
  if (finished_) return false;
  finished_ = true;
  if (db_.transaction_lost()) return false;
  if (!owned_) return true;
  DbError error;
  if (db_.Run("commit", &error)) return true;
  db_.Report(error.message, "commit");
  // SQLite keeps the transaction open after a failed commit.
  if (!sqlite3_get_autocommit(db_.handle())) db_.Run("rollback", nullptr);
  return false;
}

Savepoint::Savepoint(Database& db, std::string name) : db_(db), name_(std::move(name)) {
  outermost_ = db.handle() != nullptr && sqlite3_get_autocommit(db.handle());
  active_ = !db.transaction_lost() && db.Run("savepoint " + name_, nullptr);
  if (active_ && outermost_) db.ExpectTransaction(true);
}

Savepoint::~Savepoint() { Rollback(); }

void Savepoint::Rollback() {
  if (!active_) return;
  active_ = false;
  if (!db_.transaction_lost()) {
    db_.Run("rollback to " + name_, nullptr);
    db_.Run("release " + name_, nullptr);
  }
  if (outermost_) db_.ExpectTransaction(false);
}

bool Savepoint::Release() {
  if (!active_) return false;
  if (db_.transaction_lost()) {
    active_ = false;
    return false;
  }
  if (!db_.Run("release " + name_, nullptr)) {
    Rollback();
    return false;
  }
  active_ = false;
  if (outermost_) db_.ExpectTransaction(false);
  return true;
}

}  // namespace ftcalc
