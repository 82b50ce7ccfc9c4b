#include "data/query.h"

#include <algorithm>

#include "data/text_util.h"

namespace ftcalc {
namespace {

const SqlValue kNullValue;

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

// SQLite's column affinity rules applied to a declared type.
FieldKind KindOfDeclaredType(std::string_view declared) {
  const std::string upper = AsciiUpper(declared);
  auto has = [&](const char* part) { return upper.find(part) != std::string::npos; };
  if (has("INT")) return FieldKind::kInteger;
  if (has("CHAR") || has("CLOB") || has("TEXT") || has("BLOB")) return FieldKind::kOther;
  return FieldKind::kFloat;  // REAL, FLOA, DOUB and NUMERIC affinity
}

std::string QuoteIdentifier(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

void BindValue(sqlite3_stmt* stmt, int index, const SqlValue& v) {
  const std::string_view bytes = v.text();
  switch (v.type()) {
    case SQLITE_INTEGER: sqlite3_bind_int64(stmt, index, v.integer()); break;
    case SQLITE_FLOAT: sqlite3_bind_double(stmt, index, v.real()); break;
    // The 64-bit forms: a length past INT_MAX is refused by SQLite, never
    // taken for "up to the first NUL".
    case SQLITE_TEXT:
      sqlite3_bind_text64(stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
      break;
    case SQLITE_BLOB:
      sqlite3_bind_blob64(stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
      break;
    default: sqlite3_bind_null(stmt, index); break;
  }
}

}  // namespace

void ColumnValueInto(sqlite3_stmt* stmt, int column, SqlValue* value) {
  // Most values read are numbers: their class and number are read off the
  // column's value at once, which converts and allocates nothing (each
  // sqlite3_column_* call costs about as much again as the read itself).
  // Texts and blobs are fetched by the column calls, which may convert
  // (add a terminator) under the connection's own lock.
  sqlite3_value* stored = sqlite3_column_value(stmt, column);
  const int type = stored != nullptr ? sqlite3_value_type(stored) : SQLITE_NULL;
  switch (type) {
    case SQLITE_INTEGER: value->SetInteger(sqlite3_value_int64(stored)); break;
    case SQLITE_FLOAT: value->SetReal(sqlite3_value_double(stored)); break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      // The pointer is fetched before the length, as SQLite asks.
      const void* data = type == SQLITE_TEXT
                             ? static_cast<const void*>(sqlite3_column_text(stmt, column))
                             : sqlite3_column_blob(stmt, column);
      const std::string_view bytes =
          data == nullptr ? std::string_view()
                          : std::string_view(static_cast<const char*>(data),
                                             static_cast<size_t>(sqlite3_column_bytes(stmt, column)));
      if (type == SQLITE_TEXT) {
        value->SetText(bytes);
      } else {
        value->SetBlob(bytes);
      }
      break;
    }
    default: value->SetNull(); break;
  }
}

SqlValue ColumnValue(sqlite3_stmt* stmt, int column) {
  SqlValue value;
  ColumnValueInto(stmt, column, &value);
  return value;
}

void BindValue(Statement& stmt, int index, const SqlValue& value) {
  BindValue(stmt.get(), index, value);
}

// Wide results (select *) are searched through an index of upper-cased
// names; small ones directly.
constexpr size_t kIndexedFieldCount = 8;

void Query::SetColumns(std::vector<std::string> names, std::vector<Column> columns) {
  names_ = std::move(names);
  columns_ = std::move(columns);
  name_index_.clear();
  post_plans_.clear();
  if (names_.size() > kIndexedFieldCount) {
    for (size_t i = names_.size(); i-- > 0;) name_index_[AsciiUpper(names_[i])] = static_cast<int>(i);
  }
}

bool Query::Run(sqlite3* db, const std::string& sql, bool keep_rows, DbError* error,
                const RowVisitor* each) {
  Close();
  sql_ = sql;
  if (db == nullptr) {
    if (error) *error = DbError::Engine("no database connection");
    return false;
  }
  Statement stmt;
  int rc = stmt.Prepare(db, sql);
  if (rc != SQLITE_OK) {
    if (error) *error = DbError::FromHandle(db, rc);
    return false;
  }
  if (!stmt.IsPrepared()) {  // empty statement text
    open_ = keep_rows;
    return true;
  }
  sqlite3_stmt* s = stmt.get();
  const int count = sqlite3_column_count(s);
  std::vector<std::string> names;
  std::vector<Column> columns;
  if (keep_rows) {
    names.reserve(count);
    columns.resize(count);
    for (int i = 0; i < count; ++i) {
      const char* name = sqlite3_column_name(s, i);
      names.emplace_back(name ? name : "");
      const char* decl = sqlite3_column_decltype(s, i);
      if (decl != nullptr && decl[0] != '\0') {
        columns[i].has_declared_type = true;
        columns[i].declared_kind = KindOfDeclaredType(decl);
      }
      const char* db_name = sqlite3_column_database_name(s, i);
      const char* table = sqlite3_column_table_name(s, i);
      const char* origin = sqlite3_column_origin_name(s, i);
      if (db_name) columns[i].database = db_name;
      if (table) columns[i].table = table;
      if (origin) columns[i].origin = origin;
    }
  }
  if (each != nullptr) {
    // One row at a time: the query is open on it while `each` looks at it.
    SetColumns(std::move(names), std::move(columns));
    open_ = true;
    rows_.assign(1, std::vector<SqlValue>(count));
    while ((rc = stmt.Step()) == SQLITE_ROW) {
      for (int i = 0; i < count; ++i) rows_[0][i] = ColumnValue(s, i);
      cursor_ = 0;
      (*each)(*this);
    }
    rows_.clear();
    if (rc != SQLITE_DONE) {
      if (error) *error = DbError::FromHandle(db, rc);
      return false;
    }
    return true;
  }
  std::vector<std::vector<SqlValue>> rows;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    if (!keep_rows) continue;
    std::vector<SqlValue>& row = rows.emplace_back();
    row.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) row.push_back(ColumnValue(s, i));
  }
  if (rc != SQLITE_DONE) {
    if (error) *error = DbError::FromHandle(db, rc);
    return false;
  }
  if (keep_rows) {
    SetColumns(std::move(names), std::move(columns));
    rows_ = std::move(rows);
    open_ = true;
  }
  return true;
}

bool Query::Open(sqlite3* db, const std::string& sql, DbError* error) {
  return Run(db, sql, true, error);
}

bool Query::Execute(sqlite3* db, const std::string& sql, DbError* error) {
  return Run(db, sql, false, error);
}

bool Query::Stream(sqlite3* db, const std::string& sql, const RowVisitor& each,
                   DbError* error) {
  return Run(db, sql, true, error, &each);
}

void Query::Close() {
  open_ = false;
  SetColumns({}, {});
  rows_.clear();
  cursor_ = 0;
  editing_ = false;
  changed_.clear();
  post_key_table_.clear();
  post_plans_.clear();
}

int Query::FieldIndex(std::string_view name) const {
  if (names_.size() <= kIndexedFieldCount) {
    for (size_t i = 0; i < names_.size(); ++i) {
      if (EqualsIgnoreAsciiCase(names_[i], name)) return static_cast<int>(i);
    }
    return -1;
  }
  auto found = name_index_.find(AsciiUpper(name));
  return found == name_index_.end() ? -1 : found->second;
}

FieldKind Query::Kind(int field) const {
  const Column& c = columns_[field];
  if (c.has_declared_type) return c.declared_kind;
  switch (Value(field).type()) {
    case SQLITE_INTEGER: return FieldKind::kInteger;
    case SQLITE_FLOAT: return FieldKind::kFloat;
    default: return FieldKind::kOther;
  }
}

const SqlValue& Query::Value(int field) const {
  if (cursor_ >= rows_.size() || field < 0 || field >= static_cast<int>(names_.size())) {
    return kNullValue;
  }
  return rows_[cursor_][field];
}

void Query::Edit() {
  editing_ = true;
  changed_.assign(names_.size(), false);
  // The row is written back where it was read from, even if its key field
  // is assigned in the meantime: a field's value as read is kept when it is
  // first assigned.
  original_.resize(names_.size());
}

void Query::SetValue(int field, SqlValue value) {
  if (cursor_ >= rows_.size() || field < 0 || field >= static_cast<int>(names_.size())) return;
  if (!editing_) Edit();
  SqlValue& current = rows_[cursor_][field];
  if (!changed_[field]) original_[field] = std::move(current);
  current = std::move(value);
  changed_[field] = true;
}

void Query::StableSortRows(const RowLess& less) {
  std::stable_sort(rows_.begin(), rows_.end(), less);
  cursor_ = 0;
}

void Query::Overwrite(int field, SqlValue value) {
  if (cursor_ >= rows_.size() || field < 0 || field >= static_cast<int>(names_.size())) return;
  rows_[cursor_][field] = std::move(value);
}

// The key column of the source table `first` belongs to: one of its
// primary-key columns among the query's columns, else its 编号 column; -1
// when there is none.
int Query::KeyColumn(sqlite3* db, const Column& first) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    const Column& c = columns_[i];
    if (c.table != first.table || c.database != first.database || c.origin.empty()) continue;
    int primary = 0;
    if (sqlite3_table_column_metadata(db, c.database.c_str(), c.table.c_str(), c.origin.c_str(),
                                      nullptr, nullptr, nullptr, &primary, nullptr) == SQLITE_OK &&
        primary) {
      return static_cast<int>(i);
    }
  }
  for (size_t i = 0; i < columns_.size(); ++i) {
    const Column& c = columns_[i];
    if (c.table == first.table && c.database == first.database && c.origin == "编号") {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool Query::PlanPost(sqlite3* db, const std::vector<int>& fields, PostPlan* plan,
                     DbError* error) {
  const Column& first = columns_[fields[0]];
  if (first.table.empty() || first.origin.empty()) {
    if (error) *error = DbError::Engine("the edited field has no source table: " + names_[fields[0]]);
    return false;
  }
  // The key is found once per result set of one table (the columns stay
  // as they are until the query runs again).
  if (post_key_table_ != first.database + "." + first.table) {
    post_key_ = KeyColumn(db, first);
    post_key_table_ = first.database + "." + first.table;
  }
  const int key = post_key_;
  if (key < 0) {
    if (error) *error = DbError::Engine("no key column to write the row of " + first.table + " back");
    return false;
  }
  std::string sql = "update " + QuoteIdentifier(first.database) + "." + QuoteIdentifier(first.table) + " set ";
  for (size_t n = 0; n < fields.size(); ++n) {
    if (n) sql += ",";
    sql += QuoteIdentifier(columns_[fields[n]].origin) + "=?";
  }
  sql += " where " + QuoteIdentifier(columns_[key].origin) + "=?";
  // The rows of one walk change few different sets of fields: each set's
  // statement is prepared once (a handful are kept).
  auto found = post_statements_.find(sql);
  if (found == post_statements_.end()) {
    if (post_statements_.size() >= kKeptPostStatements) {
      post_statements_.clear();
      post_plans_.clear();
    }
    auto stmt = std::make_unique<Statement>();
    const int rc = stmt->Prepare(db, sql);
    if (rc != SQLITE_OK) {
      if (error) *error = DbError::FromHandle(db, rc);
      return false;
    }
    found = post_statements_.emplace(sql, std::move(stmt)).first;
  }
  plan->stmt = found->second.get();
  plan->key = key;
  return true;
}

bool Query::Post(sqlite3* db, DbError* error) {
  if (!editing_) return true;
  editing_ = false;
  std::vector<int> fields;
  for (size_t i = 0; i < changed_.size(); ++i) {
    if (changed_[i]) fields.push_back(static_cast<int>(i));
  }
  if (fields.empty()) return true;
  auto planned = post_plans_.find(fields);
  if (planned == post_plans_.end()) {
    PostPlan plan{};
    if (!PlanPost(db, fields, &plan, error)) return false;
    planned = post_plans_.emplace(fields, plan).first;
  }
  Statement& stmt = *planned->second.stmt;
  const int key = planned->second.key;
  const std::vector<SqlValue>& row = rows_[cursor_];
  int index = 1;
  for (int f : fields) BindValue(stmt, index++, row[f]);
  BindValue(stmt, index, changed_[key] ? original_[key] : row[key]);
  const int rc = stmt.Step();
  stmt.Reset();
  if (rc != SQLITE_DONE) {
    if (error) *error = DbError::FromHandle(db, rc);
    return false;
  }
  if (sqlite3_changes(db) == 0) {
    if (error) *error = DbError::Engine("the edited row of " + columns_[fields[0]].table + " no longer exists");
    return false;
  }
  return true;
}

void Query::ReleaseStatements() {
  post_plans_.clear();
  post_statements_.clear();
}

}  // namespace ftcalc
