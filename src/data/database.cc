#include "data/database.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/statement_timings.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

bool MentionsFtRou(const std::string& message) {
  return Contains(AsciiUpper(message), "FTROU");
}

// One run of `sql`: all of it stepped through; the count of changed rows,
// or -1 with the failure in *error.
int64_t RunOnce(sqlite3* db, const std::string& sql, DbError* error) {
  Statement stmt;
  int rc = stmt.Prepare(db, sql);
  if (rc != SQLITE_OK) {
    *error = DbError::FromHandle(db, rc);
    return -1;
  }
  if (!stmt.IsPrepared()) return 0;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    *error = DbError::FromHandle(db, rc);
    return -1;
  }
  return sqlite3_stmt_readonly(stmt.get()) ? 0 : sqlite3_changes(db);
}

// A pattern's statement with "(?N+0)" for its N-th "{}", and how many there
// are.
struct BoundPattern {
  std::string sql;
  size_t count = 0;
};

BoundPattern BindablePattern(const std::string& pattern) {
  BoundPattern bound;
  size_t last = 0;
  for (size_t at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", last)) {
    bound.sql.append(pattern, last, at - last);
    bound.sql += "(?" + std::to_string(++bound.count) + "+0)";
    last = at + 2;
  }
  bound.sql.append(pattern, last, std::string::npos);
  return bound;
}

// An optional sign and 1 to 18 digits: "(?+0)" reads such a text as the
// INTEGER atol reads, so it may be bound as that integer.
bool IsShortWholeNumber(const std::string& text) {
  size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  const size_t digits = text.size() - i;
  if (digits == 0 || digits > 18) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// A text that reads whole as one number literal (no blank before it).
bool IsPlainNumber(const std::string& text) {
  return !text.empty() && text[0] > ' ' && CAtofLength(text) == text.size();
}

// Every caller steps the statement while `number` is alive and binds every
// parameter again before the next step, so the text need not be copied.
void BindNumber(Statement& stmt, int index, const std::string& number) {
  if (IsShortWholeNumber(number)) {
    stmt.BindInt64(index, CAtol(number));
  } else {
    stmt.BindTextInPlace(index, number);
  }
}

// The pattern with the numbers pasted in (NULL where one is missing).
std::string LiteralOf(const std::string& pattern, const std::vector<std::string>& numbers) {
  std::string literal;
  size_t index = 0;
  size_t last = 0;
  for (size_t at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", last)) {
    literal.append(pattern, last, at - last);
    literal += index < numbers.size() ? numbers[index] : std::string("NULL");
    ++index;
    last = at + 2;
  }
  literal.append(pattern, last, std::string::npos);
  return literal;
}

}  // namespace

Database::Database(sqlite3* handle, ErrorSink* sink, FtRouRegistration* ftrou,
                   std::string project_path)
    : connection_(handle), sink_(sink), ftrou_(ftrou), project_path_(std::move(project_path)) {}

Database::~Database() = default;

bool Database::in_transaction() const {
  return handle() != nullptr && !sqlite3_get_autocommit(handle());
}

Database::QuietScope::QuietScope(Database& db) : db_(db), outer_(db.quiet_) { db.quiet_ = this; }

Database::QuietScope::~QuietScope() { db_.quiet_ = outer_; }

bool Database::RegisterFtRou() {
  return ftrou_ != nullptr && ftrou_->Register(handle()) == SQLITE_OK;
}

void Database::NoteFailure(const DbError& error) {
  if (quiet_ != nullptr && !quiet_->failed()) quiet_->first_failure_ = error;
  CheckTransaction(error);
}

DbError Database::LastHandleError() const {
  if (handle() == nullptr) return DbError::Engine("no database connection");
  return DbError::FromHandle(handle(), sqlite3_errcode(handle()));
}

bool Database::CheckTransaction(const DbError& cause) {
  if (expect_transaction_ && !lost_ && handle() != nullptr && sqlite3_get_autocommit(handle())) {
    lost_ = true;
    lost_by_ = cause;
  }
  return !lost_;
}

void Database::Report(const std::string& message, const std::string& detail) {
  std::string cleaned = message;
  ReplaceAll(cleaned, "[FireDAC][Phys][SQLite]", "");
  ++reported_;
  if (sink_ != nullptr) sink_->ReportDbError(cleaned, detail);
}

template <typename Retry>
void Database::Failed(DbError* error, const std::string& detail, bool report_errors,
                      Retry retry) {
  if (MentionsFtRou(error->message) && RegisterFtRou()) {
    if (retry()) return;
    // The second failure is shown whatever it says.
    NoteFailure(*error);
    if (report_errors && quiet_ == nullptr) Report(error->message, detail);
    return;
  }
  NoteFailure(*error);
  if (error->locked()) {
    ++silenced_locks_;
  } else if (report_errors && quiet_ == nullptr) {
    Report(error->message, detail);
  }
}

int64_t Database::Exec(const std::string& sql) {
  StatementClock clock(sql);
  if (lost_) return -1;
  if (handle() == nullptr) {
    if (quiet_ == nullptr) Report("数据库连接无效", sql);
    return -1;
  }
  DbError error;
  int64_t changed = RunOnce(handle(), sql, &error);
  if (changed >= 0) return changed;
  Failed(&error, sql, true, [&] { return (changed = RunOnce(handle(), sql, &error)) >= 0; });
  return changed >= 0 ? changed : -1;
}

bool Database::OpenQuery(Query& query, const std::string& sql, bool report_errors,
                         bool execute_mode) {
  StatementClock clock(sql);
  query.Close();
  if (lost_) return false;
  if (handle() == nullptr) {
    if (report_errors && quiet_ == nullptr) Report("数据库连接无效", sql);
    return false;
  }
  auto run = [&](DbError* error) {
    return execute_mode ? query.Execute(handle(), sql, error) : query.Open(handle(), sql, error);
  };
  DbError error;
  if (run(&error)) return true;
  const std::string detail =
      Contains(error.message, "no such table: 工程档案") ? project_path_ : sql;
  bool ok = false;
  Failed(&error, detail, report_errors, [&] { return ok = run(&error); });
  return ok;
}

bool Database::Open(Query& query, const std::string& sql, bool report_errors) {
  return OpenQuery(query, sql, report_errors, /*execute_mode=*/false);
}

bool Database::ExecuteQuery(Query& query, const std::string& sql, bool report_errors) {
  return OpenQuery(query, sql, report_errors, /*execute_mode=*/true);
}

bool Database::Stream(Query& query, const std::string& sql, const Query::RowVisitor& each) {
  StatementClock clock(sql);
  query.Close();
  if (lost_) return false;
  if (handle() == nullptr) {
    if (quiet_ == nullptr) Report("数据库连接无效", sql);
    return false;
  }
  bool handed_over = false;
  const Query::RowVisitor counted = [&](const Query& row) {
    handed_over = true;
    each(row);
  };
  DbError error;
  if (query.Stream(handle(), sql, counted, &error)) return true;
  bool ok = false;
  if (handed_over) {
    // Rows already went out: running the statement again would hand them
    // over twice.
    NoteFailure(error);
    if (error.locked()) {
      ++silenced_locks_;
    } else if (quiet_ == nullptr) {
      Report(error.message, sql);
    }
    return false;
  }
  Failed(&error, sql, true, [&] { return ok = query.Stream(handle(), sql, counted, &error); });
  return ok;
}

bool Database::Post(Query& query) {
  if (lost_) return false;
  if (handle() == nullptr) {
    if (quiet_ == nullptr) Report("数据库连接无效", query.sql());
    return false;
  }
  DbError error;
  if (query.Post(handle(), &error)) return true;
  NoteFailure(error);
  if (quiet_ == nullptr) Report(error.message, query.sql());
  return false;
}

int64_t Database::ExecNumbers(const std::string& pattern, const std::vector<std::string>& numbers) {
  StatementClock clock(pattern);
  if (lost_) return -1;
  // Only plain number texts are bound; anything else is pasted as it is,
  // with whatever effect (or error) that has.
  bool plain = handle() != nullptr;
  for (const std::string& number : numbers) plain = plain && IsPlainNumber(number);
  if (!plain) return Exec(LiteralOf(pattern, numbers));
  Statement* stmt = nullptr;
  auto found = patterns_.find(pattern);
  if (found == patterns_.end()) {
    BoundPattern bound = BindablePattern(pattern);
    found = patterns_.emplace(pattern, std::make_pair(bound.count, bound.sql)).first;
  }
  if (found->second.first == numbers.size()) stmt = connection_.Cached(found->second.second);
  // Any trouble with the prepared form (a failing statement, FtRou not yet
  // registered) is left to the literal statement, which reports it.
  if (stmt == nullptr) return Exec(LiteralOf(pattern, numbers));
  for (size_t i = 0; i < numbers.size(); ++i) BindNumber(*stmt, static_cast<int>(i + 1), numbers[i]);
  int rc;
  while ((rc = stmt->Step()) == SQLITE_ROW) {
  }
  const bool read_only = sqlite3_stmt_readonly(stmt->get()) != 0;
  if (rc != SQLITE_DONE) {
    // A failure that ended the transaction stops everything here: the
    // literal statement must not run on its own in autocommit mode.
    const DbError error = DbError::FromHandle(handle(), rc);
    stmt->Reset();
    if (!CheckTransaction(error)) return -1;
    return Exec(LiteralOf(pattern, numbers));
  }
  stmt->Reset();
  return read_only ? 0 : sqlite3_changes(handle());
}

bool Database::NumbersAsBound(const std::vector<std::string>& numbers,
                              std::vector<SqlValue>* values) {
  values->clear();
  if (lost_ || handle() == nullptr) return false;
  constexpr size_t kPerStatement = 100;
  std::string sql = "select (?1+0)";
  for (size_t i = 2; i <= kPerStatement; ++i) sql += ",(?" + std::to_string(i) + "+0)";
  Statement* stmt = connection_.Cached(sql);
  if (stmt == nullptr) return false;
  values->reserve(numbers.size());
  for (size_t first = 0; first < numbers.size(); first += kPerStatement) {
    const size_t count = std::min(kPerStatement, numbers.size() - first);
    for (size_t i = 0; i < kPerStatement; ++i) {
      const int index = static_cast<int>(i + 1);
      if (i >= count) {
        stmt->BindNull(index);
        continue;
      }
      const std::string& number = numbers[first + i];
      if (!IsPlainNumber(number)) {
        stmt->Reset();
        return false;
      }
      BindNumber(*stmt, index, number);
    }
    const bool row = stmt->Step() == SQLITE_ROW;
    if (row) {
      for (size_t i = 0; i < count; ++i) values->push_back(ColumnValue(stmt->get(), static_cast<int>(i)));
    }
    stmt->Reset();
    if (!row) return false;
  }
  return true;
}

bool Database::Run(const std::string& sql, DbError* error) {
  StatementClock clock(sql);
  if (handle() == nullptr) return false;
  DbError failure;
  if (RunOnce(handle(), sql, &failure) >= 0) return true;
  if (error != nullptr) *error = failure;
  return false;
}

bool Database::TryExec(const std::string& sql) {
  StatementClock clock(sql);
  if (lost_ || handle() == nullptr) return false;
  DbError error;
  if (RunOnce(handle(), sql, &error) >= 0) return true;
  if (MentionsFtRou(error.message) && RegisterFtRou() && RunOnce(handle(), sql, &error) >= 0) {
    return true;
  }
  NoteFailure(error);
  return false;
}

bool Database::TryPrepare(Statement& stmt, const std::string& sql) {
  if (lost_ || handle() == nullptr) return false;
  int rc = stmt.Prepare(handle(), sql);
  if (rc != SQLITE_OK) {
    if (!MentionsFtRou(sqlite3_errmsg(handle())) || !RegisterFtRou()) return false;
    rc = stmt.Prepare(handle(), sql);
    if (rc != SQLITE_OK) return false;
  }
  return stmt.IsPrepared();
}

Statement* Database::Cached(const std::string& sql) {
  if (lost_ || handle() == nullptr) return nullptr;
  Statement* stmt = connection_.Cached(sql);
  if (stmt == nullptr && MentionsFtRou(sqlite3_errmsg(handle())) && RegisterFtRou()) {
    stmt = connection_.Cached(sql);
  }
  return stmt;
}

}  // namespace ftcalc
