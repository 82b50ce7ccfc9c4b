#include "data/sqlite_handle.h"

#include <utility>

namespace ftcalc {

Statement::~Statement() { Finalize(); }

Statement::Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    Finalize();
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

int Statement::Prepare(sqlite3* db, std::string_view sql) {
  Finalize();
  return sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
}

int Statement::Step() { return sqlite3_step(stmt_); }

void Statement::Reset() {
  if (stmt_ == nullptr) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

void Statement::Finalize() {
  if (stmt_ != nullptr) sqlite3_finalize(stmt_);
  stmt_ = nullptr;
}

void Statement::BindNull(int index) { sqlite3_bind_null(stmt_, index); }
void Statement::BindInt64(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
void Statement::BindDouble(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
void Statement::BindText(int index, std::string_view value) {
  sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

void Statement::BindTextInPlace(int index, std::string_view value) {
  sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
}

int Statement::ColumnCount() const { return stmt_ != nullptr ? sqlite3_column_count(stmt_) : 0; }

std::string Statement::ColumnText(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  if (text == nullptr) return std::string();
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

Statement* Connection::Cached(const std::string& sql) {
  auto it = cache_.find(sql);
  if (it != cache_.end()) {
    it->second->Reset();
    return it->second.get();
  }
  auto stmt = std::make_unique<Statement>();
  if (stmt->Prepare(db_, sql) != SQLITE_OK || !stmt->IsPrepared()) return nullptr;
  Statement* raw = stmt.get();
  cache_.emplace(sql, std::move(stmt));
  return raw;
}

std::string Connection::LastError() const {
  const char* msg = db_ ? sqlite3_errmsg(db_) : "no database handle";
  return msg ? msg : "";
}

}  // namespace ftcalc
