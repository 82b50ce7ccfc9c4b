// Reading the current row of a stepping statement in place, for the passes
// that read large results row by row without copying every value.
#ifndef FTCALC_DATA_ROW_READER_H_
#define FTCALC_DATA_ROW_READER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/query.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

// A value as stored, without its bytes copied: valid until the statement
// steps again (or, made by ViewOf, while the SqlValue lives).
struct ValueView {
  int type = SQLITE_NULL;
  int64_t integer = 0;
  double real = 0;
  const char* text = nullptr;
  size_t size = 0;

  std::string_view bytes() const { return std::string_view(text == nullptr ? "" : text, size); }
};

ValueView ViewOf(const SqlValue& value);
SqlValue ValueOf(const ValueView& view);

// The row `stmt` stands on after a Step() that returned SQLITE_ROW.
class RowReader {
 public:
  explicit RowReader(const Statement& stmt) : stmt_(stmt.get()) {}

  int ColumnCount() const;
  int Type(int column) const;
  int64_t Integer(int column) const;
  ValueView View(int column) const;
  SqlValue Value(int column) const { return ColumnValue(stmt_, column); }
  // Puts the value into *value, reusing its text buffer.
  void ValueInto(int column, SqlValue* value) const { ColumnValueInto(stmt_, column, value); }

 private:
  sqlite3_stmt* stmt_;
};

// The number of result columns of a prepared statement.
int ResultColumnCount(const Statement& stmt);

}  // namespace ftcalc

#endif  // FTCALC_DATA_ROW_READER_H_
