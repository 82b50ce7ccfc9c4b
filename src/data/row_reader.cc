#include "data/row_reader.h"

namespace ftcalc {

ValueView ViewOf(const SqlValue& value) {
  ValueView view;
  view.type = value.type();
  view.integer = value.integer();
  view.real = value.real();
  const std::string_view bytes = value.text();
  view.text = bytes.data();
  view.size = bytes.size();
  return view;
}

SqlValue ValueOf(const ValueView& view) {
  switch (view.type) {
    case SQLITE_INTEGER: return SqlValue::Integer(view.integer);
    case SQLITE_FLOAT: return SqlValue::Real(view.real);
    case SQLITE_TEXT: return SqlValue::Text(view.bytes());
    case SQLITE_BLOB: return SqlValue::Blob(view.bytes());
    default: return SqlValue::Null();
  }
}

int RowReader::ColumnCount() const { return sqlite3_column_count(stmt_); }

int RowReader::Type(int column) const { return sqlite3_column_type(stmt_, column); }

int64_t RowReader::Integer(int column) const { return sqlite3_column_int64(stmt_, column); }

ValueView RowReader::View(int column) const {
  ValueView view;
  view.type = sqlite3_column_type(stmt_, column);
  switch (view.type) {
    case SQLITE_INTEGER: view.integer = sqlite3_column_int64(stmt_, column); break;
    case SQLITE_FLOAT: view.real = sqlite3_column_double(stmt_, column); break;
    case SQLITE_TEXT:
      view.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
      view.size = static_cast<size_t>(sqlite3_column_bytes(stmt_, column));
      break;
    case SQLITE_BLOB:
      view.text = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
      view.size = static_cast<size_t>(sqlite3_column_bytes(stmt_, column));
      break;
    default: break;
  }
  return view;
}

int ResultColumnCount(const Statement& stmt) {
  return stmt.IsPrepared() ? sqlite3_column_count(stmt.get()) : 0;
}

}  // namespace ftcalc
