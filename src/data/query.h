// A query object: one statement's text, all of its result rows fetched at
// once, and a cursor on the current row that can be edited and posted back
// to the table the columns came from.
//
// Rows are copied out of SQLite when the query opens, so the steps may run
// further statements on the same connection (including updates of the rows
// being walked) while they walk a query.
#ifndef FTCALC_DATA_QUERY_H_
#define FTCALC_DATA_QUERY_H_

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/db_error.h"
#include "data/sql_value.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

// The value of result column `column` of the current row of `stmt`.
SqlValue ColumnValue(sqlite3_stmt* stmt, int column);
// The same, put into *value (whose heap text is reused while texts do not
// grow: for reading many rows into the same values).
void ColumnValueInto(sqlite3_stmt* stmt, int column, SqlValue* value);
// Binds `value` to parameter `index` of `stmt` with its storage class.
void BindValue(Statement& stmt, int index, const SqlValue& value);

// How a field's text is normalised (the field's data type as the query layer
// sees it): by the declared type of the source column, or by the stored
// value's class for an expression.
enum class FieldKind { kInteger, kFloat, kOther };

class Query {
 public:
  Query() = default;
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  // Runs `sql` on `db` and fetches every row. On failure the query stays
  // closed and SQLite's codes and message are returned in *error.
  bool Open(sqlite3* db, const std::string& sql, DbError* error);
  // Runs `sql` without keeping a result set.
  bool Execute(sqlite3* db, const std::string& sql, DbError* error);
  // Runs `sql` and calls `each` on every result row in turn, the query open
  // on that row alone (fields read as from Open's rows; no editing), so
  // that a large result need not be held at once. Afterwards the query is
  // open with no rows.
  using RowVisitor = std::function<void(const Query&)>;
  bool Stream(sqlite3* db, const std::string& sql, const RowVisitor& each, DbError* error);
  void Close();

  bool is_open() const { return open_; }
  const std::string& sql() const { return sql_; }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  void First() { cursor_ = 0; }
  void Next() { if (cursor_ < rows_.size()) ++cursor_; }
  bool Eof() const { return cursor_ >= rows_.size(); }
  size_t cursor() const { return cursor_; }
  // Puts the cursor on row `row` (past the end when there is no such row).
  void MoveTo(size_t row) { cursor_ = row < rows_.size() ? row : rows_.size(); }

  int FieldCount() const { return static_cast<int>(names_.size()); }
  // Index of the first column called `name` (ASCII case-insensitive), -1
  // if none. Reads only what Open built, so any thread may ask while the
  // query stays open.
  int FieldIndex(std::string_view name) const;
  const std::string& FieldName(int field) const { return names_[field]; }
  FieldKind Kind(int field) const;
  // The current row's value; NULL when the cursor is past the end.
  const SqlValue& Value(int field) const;

  // Edit state: SetValue assigns to the current row; Post writes the changed
  // fields to their source table, keyed by the table's primary key (or 编号).
  void Edit();
  void SetValue(int field, SqlValue value);
  // Reorders the rows, keeping rows that tie in their order; the cursor goes
  // to the first row. For a result read in one order and wanted in another.
  using RowLess = std::function<bool(const std::vector<SqlValue>&, const std::vector<SqlValue>&)>;
  void StableSortRows(const RowLess& less);

  // Replaces the current row's value as if it had been read so: nothing is
  // marked for writing.
  void Overwrite(int field, SqlValue value);
  // Returns false with *error set when the row cannot be written.
  bool Post(sqlite3* db, DbError* error);

  // Finalizes the statement kept for posting (before the host's handle may
  // be closed).
  void ReleaseStatements();

 private:
  struct Column {
    std::string database;  // source database, table and column, when known
    std::string table;
    std::string origin;
    FieldKind declared_kind = FieldKind::kOther;
    bool has_declared_type = false;
  };

  bool Run(sqlite3* db, const std::string& sql, bool keep_rows, DbError* error,
           const RowVisitor* each = nullptr);

  bool open_ = false;
  std::string sql_;
  std::vector<std::string> names_;
  // Upper-cased name -> first field of that name, for wide results (built
  // when the columns are set, never changed while the query is open).
  std::unordered_map<std::string, int> name_index_;
  std::vector<Column> columns_;
  std::vector<std::vector<SqlValue>> rows_;
  size_t cursor_ = 0;
  bool editing_ = false;
  std::vector<bool> changed_;
  std::vector<SqlValue> original_;  // an assigned field's value as read
  int KeyColumn(sqlite3* db, const Column& first) const;
  struct PostPlan;
  bool PlanPost(sqlite3* db, const std::vector<int>& fields, PostPlan* plan, DbError* error);
  void SetColumns(std::vector<std::string> names, std::vector<Column> columns);


  // Post's statements by text, and the key column of the table last posted.
  static constexpr size_t kKeptPostStatements = 256;
  std::unordered_map<std::string, std::unique_ptr<Statement>> post_statements_;
  std::string post_key_table_;
  int post_key_ = -1;
  // The statement and key column of each set of changed fields met since
  // the columns were set, so that a walk writing the same fields row after
  // row builds the statement's text once. Points into post_statements_.
  struct PostPlan {
    Statement* stmt;
    int key;
  };
  std::map<std::vector<int>, PostPlan> post_plans_;
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_QUERY_H_
