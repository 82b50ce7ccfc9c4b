// Thin RAII layer over SQLite: a non-owning connection on a handle that the
// host owns, and prepared statements that always finalize.
#ifndef FTCALC_DATA_SQLITE_HANDLE_H_
#define FTCALC_DATA_SQLITE_HANDLE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "data/sqlite_api.h"

namespace ftcalc {

// A prepared statement. Finalized on destruction; Reset() makes it
// reusable with new bindings.
class Statement {
 public:
  Statement() = default;
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;

  // Prepares the first statement of `sql`; returns the SQLite result code.
  int Prepare(sqlite3* db, std::string_view sql);
  bool IsPrepared() const { return stmt_ != nullptr; }
  sqlite3_stmt* get() const { return stmt_; }

  // Out of line, as every SQLite call: the layers above this one call no
  // SQLite function themselves (see data/sqlite_api.h).
  int Step();
  void Reset();
  void Finalize();

  void BindNull(int index);
  void BindInt64(int index, int64_t value);
  void BindDouble(int index, double value);
  void BindText(int index, std::string_view value);
  // Binds the bytes without copying them: they must stay as they are until
  // the statement has been stepped and reset, and it must be bound again
  // before it is stepped after that.
  void BindTextInPlace(int index, std::string_view value);

  // The current row's columns as SQLite's own text: what a host prints
  // (a REAL as SQLite writes it, NULL as empty text).
  int ColumnCount() const;
  std::string ColumnText(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// The engine's connection: it drives a SQLite handle that the host owns and
// never closes it. It caches prepared statements by their text for the
// duration of one engine call; ClearCache() finalizes them so that nothing
// of the engine stays on the host's handle between calls.
class Connection {
 public:
  explicit Connection(sqlite3* db) : db_(db) {}
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() { ClearCache(); }

  sqlite3* handle() const { return db_; }

  // A prepared statement for `sql`, reset and unbound, owned by the cache.
  // Returns nullptr when preparation fails (error message via LastError()).
  Statement* Cached(const std::string& sql);
  void ClearCache() { cache_.clear(); }

  // SQLite's message for the last error on this handle.
  std::string LastError() const;

 private:
  sqlite3* db_;
  std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_SQLITE_HANDLE_H_
