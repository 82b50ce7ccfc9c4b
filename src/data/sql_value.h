// One value as SQLite stored it: NULL, INTEGER, REAL, TEXT or BLOB.
//
// A query may hold millions of values, so a value takes 16 bytes: its
// storage class, the byte count of its text, and one 8-byte slot that holds
// the number, a text of up to 8 bytes, or the heap copy of a longer text,
// which the value owns. Texts are exact bytes (embedded NULs allowed, no
// terminator kept).
#ifndef FTCALC_DATA_SQL_VALUE_H_
#define FTCALC_DATA_SQL_VALUE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "data/sqlite_api.h"

namespace ftcalc {

class SqlValue {
 public:
  SqlValue() noexcept { slot_.integer = 0; }
  SqlValue(const SqlValue& other);
  // The moved-from value keeps its storage class; a text it held is left
  // empty.
  SqlValue(SqlValue&& other) noexcept;
  SqlValue& operator=(const SqlValue& other);
  SqlValue& operator=(SqlValue&& other) noexcept;
  ~SqlValue() { Release(); }

  static SqlValue Null() { return SqlValue(); }
  static SqlValue Integer(int64_t v);
  static SqlValue Real(double v);
  static SqlValue Text(std::string_view bytes);
  static SqlValue Blob(std::string_view bytes);

  int type() const { return type_; }  // SQLITE_NULL, _INTEGER, _FLOAT, _TEXT or _BLOB
  bool is_null() const { return type_ == SQLITE_NULL; }
  bool is_bytes() const { return type_ == SQLITE_TEXT || type_ == SQLITE_BLOB; }
  // The number of an INTEGER, and of a REAL; 0 for any other class (the
  // slot may hold a text, never to be read as a number).
  int64_t integer() const { return type_ == SQLITE_INTEGER ? slot_.integer : 0; }
  double real() const { return type_ == SQLITE_FLOAT ? slot_.real : 0.0; }
  // The bytes of a TEXT or BLOB, valid until the value next changes; empty
  // for any other class.
  std::string_view text() const;

  // Each setter gives up any text the value held. A text's bytes may come
  // from this value's own text. For 4 GiB or more (more than SQLite
  // stores) SetText and SetBlob throw std::length_error and leave the value
  // as it was, as they do when memory runs out.
  void SetNull() { SetNumber(SQLITE_NULL, 0); }
  void SetInteger(int64_t v) { SetNumber(SQLITE_INTEGER, v); }
  void SetReal(double v) {
    SetNumber(SQLITE_FLOAT, 0);
    slot_.real = v;
  }
  void SetText(std::string_view bytes) { SetBytes(SQLITE_TEXT, bytes); }
  void SetBlob(std::string_view bytes) { SetBytes(SQLITE_BLOB, bytes); }

  // SQLite's own text form of the value (REAL with 15 significant digits,
  // NULL as empty text).
  std::string AsSqliteText() const;
  // atof of that text, without writing it where it would read back as the
  // REAL itself.
  double AsSqliteTextNumber() const;

 private:
  static constexpr uint32_t kInlineBytes = sizeof(int64_t);

  bool OwnsHeap() const { return is_bytes() && size_ > kInlineBytes; }
  // Frees a heap text; the slot and size are left for the caller to set.
  void Release() noexcept {
    if (OwnsHeap()) delete[] slot_.heap;
  }
  void SetNumber(int type, int64_t integer) {
    Release();
    type_ = type;
    size_ = 0;
    slot_.integer = integer;
  }
  void SetBytes(int type, std::string_view bytes);

  int32_t type_ = SQLITE_NULL;
  uint32_t size_ = 0;  // text bytes; 0 unless TEXT or BLOB
  union {
    int64_t integer;
    double real;
    char bytes[kInlineBytes];  // a text of up to kInlineBytes
    char* heap;                // a longer text, new[]-allocated, owned
  } slot_;
};

static_assert(sizeof(SqlValue) == 16, "a query's values are kept compact");

inline std::string_view SqlValue::text() const {
  if (!is_bytes()) return std::string_view();
  return std::string_view(size_ > kInlineBytes ? slot_.heap : slot_.bytes, size_);
}

}  // namespace ftcalc

#endif  // FTCALC_DATA_SQL_VALUE_H_
