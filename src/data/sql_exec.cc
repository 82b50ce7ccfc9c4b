#include "data/sql_exec.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <unordered_map>

#include "data/number_text.h"
#include "data/sqlite_handle.h"
#include "data/text_util.h"
#include "entry/engine_state.h"
#include "ftcalc/ftcalc.h"
#include "ui/error_window.h"

namespace ftcalc {
namespace {

int64_t g_error_count = 0;

// With FTCALC_TIMINGS=2 the time of every statement is added up by its
// first words (numbers masked), for finding the slow ones of a step.
class StatementClock {
 public:
  StatementClock(const std::string& sql) : sql_(Enabled() ? &sql : nullptr) {
    if (sql_) start_ = std::chrono::steady_clock::now();
  }
  ~StatementClock() {
    if (!sql_) return;
    std::string key;
    for (char c : sql_->substr(0, 72)) key += (c >= '0' && c <= '9') ? '#' : c;
    auto& entry = Totals()[key];
    entry.first += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    entry.second += 1;
  }
  static bool Enabled() {
    static const bool enabled = [] {
      const char* value = std::getenv("FTCALC_TIMINGS");
      return value != nullptr && std::string(value) == "2";
    }();
    return enabled;
  }
  static std::map<std::string, std::pair<double, int>>& Totals() {
    static std::map<std::string, std::pair<double, int>> totals;
    return totals;
  }

 private:
  const std::string* sql_;
  std::chrono::steady_clock::time_point start_;
};

Connection* Resolve(Connection* connection) {
  return connection != nullptr ? connection : Engine().connection.get();
}

// One run of `sql`: all of it stepped through; the count of changed rows,
// or -1 with the SQLite message in *error.
int64_t RunOnce(sqlite3* db, const std::string& sql, std::string* error) {
  Statement stmt;
  if (stmt.Prepare(db, sql) != SQLITE_OK) {
    *error = sqlite3_errmsg(db);
    return -1;
  }
  if (!stmt.IsPrepared()) return 0;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    *error = sqlite3_errmsg(db);
    return -1;
  }
  return sqlite3_stmt_readonly(stmt.get()) ? 0 : sqlite3_changes(db);
}

bool MentionsFtRou(const std::string& message) {
  return Contains(AsciiUpper(message), "FTROU");
}

bool IsLocked(const std::string& message) { return Contains(message, "database is locked"); }

// Field reference: "0" or a text from whose start atol reads a positive
// number is a position; anything else a column name. -1 when it names no
// field of the query.
int ResolveField(const Query& query, std::string_view field) {
  if (!query.is_open()) return -1;
  int64_t position = field == "0" ? 0 : CAtol(field);
  if (field == "0" || position > 0) {
    return position < query.FieldCount() ? static_cast<int>(position) : -1;
  }
  return query.FieldIndex(field);
}

}  // namespace

int64_t ExecSql(const std::string& sql, Connection* connection) {
  StatementClock clock(sql);
  Connection* conn = Resolve(connection);
  if (conn == nullptr || conn->handle() == nullptr) {
    ShowDbError("数据库连接无效", sql);
    return -1;
  }
  std::string error;
  int64_t changed = RunOnce(conn->handle(), sql, &error);
  if (changed >= 0) return changed;
  if (MentionsFtRou(error)) {
    RefreshFtRou();
    changed = RunOnce(conn->handle(), sql, &error);
    if (changed >= 0) return changed;
    ShowDbError(error, sql);
    return -1;
  }
  if (!IsLocked(error)) ShowDbError(error, sql);
  return -1;
}

bool TryExecSql(const std::string& sql) {
  StatementClock clock(sql);
  Connection* conn = Resolve(nullptr);
  if (conn == nullptr || conn->handle() == nullptr) return false;
  std::string error;
  if (RunOnce(conn->handle(), sql, &error) >= 0) return true;
  if (!MentionsFtRou(error)) return false;
  RefreshFtRou();
  return RunOnce(conn->handle(), sql, &error) >= 0;
}

bool TryPrepare(Statement& stmt, const std::string& sql) {
  Connection* conn = Resolve(nullptr);
  if (conn == nullptr || conn->handle() == nullptr) return false;
  if (stmt.Prepare(conn->handle(), sql) != SQLITE_OK) {
    if (!MentionsFtRou(conn->LastError())) return false;
    RefreshFtRou();
    if (stmt.Prepare(conn->handle(), sql) != SQLITE_OK) return false;
  }
  return stmt.IsPrepared();
}

namespace {

// A pattern's statement with "(?N+0)" for its N-th "{}", and how many there
// are. Worked out once per pattern: the per-row statements run a pattern
// for every row of a project.
struct BoundPattern {
  std::string sql;
  size_t count = 0;
};

const BoundPattern& BoundFor(const std::string& pattern) {
  static std::unordered_map<std::string, BoundPattern> cache;
  auto found = cache.find(pattern);
  if (found != cache.end()) return found->second;
  if (cache.size() >= 4096) cache.clear();  // patterns are few; this only bounds the worst case
  BoundPattern bound;
  size_t last = 0;
  for (size_t at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", last)) {
    bound.sql.append(pattern, last, at - last);
    bound.sql += "(?" + std::to_string(++bound.count) + "+0)";
    last = at + 2;
  }
  bound.sql.append(pattern, last, std::string::npos);
  return cache.emplace(pattern, std::move(bound)).first->second;
}

// An optional sign and 1 to 18 digits: "(?+0)" reads such a text as the
// INTEGER atol reads.
bool IsShortWholeNumber(const std::string& text) {
  size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  const size_t digits = text.size() - i;
  if (digits == 0 || digits > 18) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
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

int64_t ExecSqlNumbers(const std::string& pattern, const std::vector<std::string>& numbers) {
  StatementClock clock(pattern);
  const BoundPattern& bound = BoundFor(pattern);

  // Only plain number texts are bound; anything else is pasted as it is,
  // with whatever effect (or error) that has.
  Connection* conn = Resolve(nullptr);
  bool plain = bound.count == numbers.size();
  for (const std::string& number : numbers) {
    plain = plain && !number.empty() && number[0] > ' ' && CAtofLength(number) == number.size();
  }
  if (conn == nullptr || conn->handle() == nullptr || !plain) {
    return ExecSql(LiteralOf(pattern, numbers));
  }
  // Any trouble with the prepared form (a failing statement, FtRou not yet
  // registered) is left to the literal statement, which reports it.
  Statement* stmt = conn->Cached(bound.sql);
  if (stmt == nullptr) return ExecSql(LiteralOf(pattern, numbers));
  for (size_t i = 0; i < numbers.size(); ++i) {
    // A whole number of up to 18 digits reads as that INTEGER; binding it as
    // one spares SQLite reading the text.
    if (IsShortWholeNumber(numbers[i])) {
      stmt->BindInt64(static_cast<int>(i + 1), CAtol(numbers[i]));
    } else {
      stmt->BindText(static_cast<int>(i + 1), numbers[i]);
    }
  }
  int rc;
  while ((rc = stmt->Step()) == SQLITE_ROW) {
  }
  const bool read_only = sqlite3_stmt_readonly(stmt->get()) != 0;
  stmt->Reset();
  if (rc != SQLITE_DONE) return ExecSql(LiteralOf(pattern, numbers));
  return read_only ? 0 : sqlite3_changes(conn->handle());
}

bool NumbersAsBound(const std::vector<std::string>& numbers, std::vector<SqlValue>* values) {
  values->clear();
  Connection* conn = Resolve(nullptr);
  if (conn == nullptr || conn->handle() == nullptr) return false;
  constexpr size_t kPerStatement = 100;
  std::string sql = "select (?1+0)";
  for (size_t i = 2; i <= kPerStatement; ++i) sql += ",(?" + std::to_string(i) + "+0)";
  Statement* stmt = conn->Cached(sql);
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
      if (number.empty() || number[0] <= ' ' || CAtofLength(number) != number.size()) {
        stmt->Reset();
        return false;
      }
      if (IsShortWholeNumber(number)) {
        stmt->BindInt64(index, CAtol(number));
      } else {
        stmt->BindText(index, number);
      }
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

bool StreamQuery(Query& query, const std::string& sql, const Query::RowVisitor& each) {
  StatementClock clock(sql);
  Connection* conn = Resolve(nullptr);
  query.Close();
  if (conn == nullptr || conn->handle() == nullptr) {
    ShowDbError("数据库连接无效", sql);
    return false;
  }
  bool handed_over = false;
  const Query::RowVisitor counted = [&](const Query& row) {
    handed_over = true;
    each(row);
  };
  std::string error;
  if (query.Stream(conn->handle(), sql, counted, &error)) return true;
  if (!handed_over && MentionsFtRou(error)) {
    RefreshFtRou();
    if (query.Stream(conn->handle(), sql, counted, &error)) return true;
  }
  if (!IsLocked(error)) ShowDbError(error, sql);
  return false;
}

bool OpenQuery(Query& query, const std::string& sql, bool report_errors, bool execute_mode,
               Connection* connection) {
  StatementClock clock(sql);
  Connection* conn = Resolve(connection);
  query.Close();
  if (conn == nullptr || conn->handle() == nullptr) {
    if (report_errors) ShowDbError("数据库连接无效", sql);
    return false;
  }
  auto run = [&](std::string* error) {
    return execute_mode ? query.Execute(conn->handle(), sql, error)
                        : query.Open(conn->handle(), sql, error);
  };
  std::string error;
  if (run(&error)) return true;
  if (MentionsFtRou(error)) {
    RefreshFtRou();
    if (run(&error)) return true;
    if (report_errors) ShowDbError(error, sql);
    return false;
  }
  if (!IsLocked(error) && report_errors) {
    bool no_archive = Contains(error, "no such table: 工程档案");
    ShowDbError(error, no_archive ? Engine().project_path : sql);
  }
  return false;
}

std::string FieldText(const Query& query, std::string_view field) {
  int index = ResolveField(query, field);
  if (index < 0) return std::string();
  const SqlValue& value = query.Value(index);
  if (value.is_null()) return std::string();
  switch (query.Kind(index)) {
    case FieldKind::kInteger: return std::to_string(CAtol(value.AsSqliteText()));
    case FieldKind::kFloat: return NumberText(value.AsSqliteTextNumber());
    default: return value.AsSqliteText();
  }
}

double FieldNumber(const Query& query, std::string_view field, int digits) {
  int index = ResolveField(query, field);
  if (index < 0) return 0;
  double value = query.Value(index).AsSqliteTextNumber();
  return digits == -1 ? value : RoundHalfUp(digits, value);
}

bool SetFieldInteger(Query& query, std::string_view field, int64_t value) {
  if (!query.is_open()) return false;
  int index = ResolveField(query, field);
  if (index >= 0) query.SetValue(index, SqlValue::Integer(value));
  return true;
}

bool SetFieldNumber(Query& query, std::string_view field, int digits, double value) {
  if (!query.is_open()) return false;
  int index = ResolveField(query, field);
  if (index >= 0) {
    query.SetValue(index, SqlValue::Real(digits == -1 ? value : RoundHalfUp(digits, value)));
  }
  return true;
}

void EditRow(Query& query) { query.Edit(); }

bool PostRow(Query& query, Connection* connection) {
  Connection* conn = Resolve(connection);
  if (conn == nullptr || conn->handle() == nullptr) {
    ShowDbError("数据库连接无效", query.sql());
    return false;
  }
  std::string error;
  if (query.Post(conn->handle(), &error)) return true;
  ShowDbError(error, query.sql());
  return false;
}

void BeginWork(Connection* connection) { ExecSql("begin", connection); }

void CommitWork(Connection* connection) { ExecSql("commit", connection); }

void ShowDbError(const std::string& message, const std::string& detail) {
  std::string cleaned = message;
  ReplaceAll(cleaned, "[FireDAC][Phys][SQLite]", "");
  ++g_error_count;
  ShowErrorWindow(cleaned, detail);
}

int64_t DbErrorCount() { return g_error_count; }

void PrintStatementTimings() {
  if (!StatementClock::Enabled()) return;
  std::vector<std::pair<double, std::string>> rows;
  for (const auto& [key, value] : StatementClock::Totals()) {
    rows.emplace_back(value.first, std::to_string(value.second) + "x " + key);
  }
  std::sort(rows.rbegin(), rows.rend());
  for (size_t i = 0; i < rows.size() && i < 30; ++i) {
    std::fprintf(stderr, "ftcalc statement: %8.3f s  %s\n", rows[i].first, rows[i].second.c_str());
  }
  StatementClock::Totals().clear();
}

std::string SqlQuoted(std::string_view text) {
  std::string out(text);
  ReplaceAll(out, "'", "''");
  return out;
}

std::string FieldNumberLiteral(const Query& query, std::string_view field) {
  int index = ResolveField(query, field);
  if (index < 0) return "0";
  const SqlValue& value = query.Value(index);
  if (value.type == SQLITE_INTEGER) return FieldText(query, field);
  if (value.type == SQLITE_FLOAT) {
    if (!std::isfinite(value.real)) return "0";
    return FieldText(query, field);
  }
  double number = CAtof(value.AsSqliteText());
  return std::isfinite(number) ? NumberText(number) : "0";
}

}  // namespace ftcalc
