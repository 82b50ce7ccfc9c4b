#include "data/transaction_watch.h"

namespace ftcalc {

TransactionWatch::TransactionWatch(sqlite3* db) : db_(db) {
  sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, OnStatement, this);
  sqlite3_commit_hook(db_, OnCommit, this);
  sqlite3_rollback_hook(db_, OnRollback, this);
}

TransactionWatch::~TransactionWatch() {
  sqlite3_trace_v2(db_, 0, nullptr, nullptr);
  sqlite3_commit_hook(db_, nullptr, nullptr);
  sqlite3_rollback_hook(db_, nullptr, nullptr);
}

int TransactionWatch::OnStatement(unsigned, void* self, void*, void*) {
  auto* watch = static_cast<TransactionWatch*>(self);
  watch->statement_in_transaction_ = !sqlite3_get_autocommit(watch->db_);
  return 0;
}

// The hook runs as a commit starts; a commit that then fails either leaves
// its transaction open or is followed by a rollback, both seen later.
int TransactionWatch::OnCommit(void* self) {
  auto* watch = static_cast<TransactionWatch*>(self);
  if (watch->rollbacks_ > 0) ++watch->commits_after_rollback_;
  return 0;  // let it commit
}

// Only the rollback of a transaction begun on purpose counts: a ROLLBACK,
// SQLite undoing the transaction on a full disk, a COMMIT that failed that
// way; each happens in a statement that started inside the transaction. A
// single statement that fails in autocommit loses only itself, and the
// engine reports it.
void TransactionWatch::OnRollback(void* self) {
  auto* watch = static_cast<TransactionWatch*>(self);
  if (!watch->statement_in_transaction_) return;
  if (watch->rollbacks_++ == 0) watch->before_rollback_ = watch->last_error_;
}

void TransactionWatch::NoteError(const std::string& message) {
  if (rollbacks_ > 0 && cause_.empty()) cause_ = message;
  last_error_ = message;
}

TransactionWatch::Outcome TransactionWatch::outcome() const {
  if (!sqlite3_get_autocommit(db_)) return Outcome::kCommitFailed;
  if (rollbacks_ == 0) return Outcome::kStored;
  return commits_after_rollback_ == 0 ? Outcome::kRolledBack : Outcome::kPartlyStored;
}

std::string TransactionWatch::Describe(Outcome outcome, const std::string& what,
                                       const std::string& cause) {
  const std::string because = cause.empty() ? "" : " (" + cause + ")";
  switch (outcome) {
    case Outcome::kStored:
      return what + " was saved";
    case Outcome::kCommitFailed:
      return what + " was not saved: its commit failed" + because +
             "; it has been rolled back, the project is as it was before";
    case Outcome::kRolledBack:
      return what + " was not saved: it was rolled back" + because +
             "; the project is as it was before";
    case Outcome::kPartlyStored:
      return what + " was not saved as a whole: SQLite rolled its transaction back" + because +
             " and the statements after that were saved one by one; calculate the project "
             "again once the cause is mended";
  }
  return what;
}

}  // namespace ftcalc
