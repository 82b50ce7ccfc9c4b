#include "data/sql_value.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "data/number_text.h"

namespace ftcalc {

SqlValue::SqlValue(const SqlValue& other)
    : type_(other.type_), size_(other.size_), slot_(other.slot_) {
  if (other.OwnsHeap()) {
    slot_.heap = new char[size_];
    std::memcpy(slot_.heap, other.slot_.heap, size_);
  }
}

SqlValue::SqlValue(SqlValue&& other) noexcept
    : type_(other.type_), size_(other.size_), slot_(other.slot_) {
  if (other.is_bytes()) {
    other.size_ = 0;
    other.slot_.integer = 0;
  }
}

SqlValue& SqlValue::operator=(const SqlValue& other) {
  if (this == &other) return *this;
  if (other.is_bytes()) {
    SetBytes(other.type_, other.text());
  } else {
    SetNumber(other.type_, 0);
    slot_ = other.slot_;
  }
  return *this;
}

SqlValue& SqlValue::operator=(SqlValue&& other) noexcept {
  if (this == &other) return *this;
  Release();
  type_ = other.type_;
  size_ = other.size_;
  slot_ = other.slot_;
  if (other.is_bytes()) {
    other.size_ = 0;
    other.slot_.integer = 0;
  }
  return *this;
}

SqlValue SqlValue::Integer(int64_t v) {
  SqlValue value;
  value.SetInteger(v);
  return value;
}

SqlValue SqlValue::Real(double v) {
  SqlValue value;
  value.SetReal(v);
  return value;
}

SqlValue SqlValue::Text(std::string_view bytes) {
  SqlValue value;
  value.SetText(bytes);
  return value;
}

SqlValue SqlValue::Blob(std::string_view bytes) {
  SqlValue value;
  value.SetBlob(bytes);
  return value;
}

void SqlValue::SetBytes(int type, std::string_view bytes) {
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
    throw std::length_error("a text or blob of 4 GiB or more: " + std::to_string(bytes.size()) +
                            " bytes");
  }
  const auto size = static_cast<uint32_t>(bytes.size());
  if (size <= kInlineBytes) {
    // Copied out first: the bytes may be this value's own heap text.
    char inline_bytes[kInlineBytes] = {};
    if (size > 0) std::memcpy(inline_bytes, bytes.data(), size);
    Release();
    std::memcpy(slot_.bytes, inline_bytes, kInlineBytes);
  } else if (OwnsHeap() && size <= size_) {
    // A value read into again and again keeps its buffer while texts do
    // not grow (the buffer's spare bytes are not tracked).
    std::memmove(slot_.heap, bytes.data(), size);
  } else {
    char* heap = new char[size];
    std::memcpy(heap, bytes.data(), size);
    Release();
    slot_.heap = heap;
  }
  type_ = type;
  size_ = size;
}

std::string SqlValue::AsSqliteText() const {
  switch (type_) {
    case SQLITE_INTEGER: return std::to_string(slot_.integer);
    case SQLITE_FLOAT: {
      // SQLite's own rendering of a REAL (what sqlite3_column_text gives).
      char buf[64];
      sqlite3_snprintf(sizeof buf, buf, "%!.15g", slot_.real);
      return buf;
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: return std::string(text());
    default: return std::string();
  }
}

double SqlValue::AsSqliteTextNumber() const {
  if (type_ == SQLITE_FLOAT && ReadsBackFromFifteenDigits(slot_.real)) return slot_.real;
  return CAtof(AsSqliteText());
}

}  // namespace ftcalc
