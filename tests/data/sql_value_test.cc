// A value's storage: texts kept in the value itself (up to 8 bytes) or on
// the heap, copied, moved and replaced without losing or sharing bytes, and
// written to and read from SQLite byte for byte.
#include "data/sql_value.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#if defined(__unix__)
#include <sys/mman.h>
#endif

#include "data/query.h"
#include "data/sqlite_handle.h"

namespace ftcalc {
namespace {

// Texts on both sides of the 8 bytes a value holds in itself: empty, one
// Chinese word (6 bytes), exactly 8, one past, and a long one.
std::vector<std::string> Texts() {
  return {"", "定额", "12345678", "123456789", std::string(1000, 'x') + "end"};
}

TEST(SqlValueTest, CopiesOwnTheirBytesAndMovesLeaveAnEmptyTextBehind) {
  for (const std::string& bytes : Texts()) {
    SqlValue original = SqlValue::Text(bytes);
    SqlValue copy(original);
    // Changing the copy must not reach the original (no shared buffer).
    copy.SetText("changed text longer than eight");
    EXPECT_EQ(original.text(), bytes);

    SqlValue assigned = SqlValue::Integer(5);
    assigned = original;
    EXPECT_EQ(assigned.type(), SQLITE_TEXT);
    EXPECT_EQ(assigned.text(), bytes);

    SqlValue moved(std::move(original));
    EXPECT_EQ(moved.text(), bytes);
    EXPECT_EQ(original.type(), SQLITE_TEXT);
    EXPECT_EQ(original.text(), "");

    SqlValue target = SqlValue::Text("a heap text the move must free");
    target = std::move(moved);
    EXPECT_EQ(target.text(), bytes);
    EXPECT_EQ(moved.text(), "");
  }
}

TEST(SqlValueTest, AssignmentToItselfKeepsTheValue) {
  for (const std::string& bytes : Texts()) {
    SqlValue value = SqlValue::Text(bytes);
    SqlValue& alias = value;
    value = alias;
    EXPECT_EQ(value.text(), bytes);
    value = std::move(alias);
    EXPECT_EQ(value.type(), SQLITE_TEXT);
    EXPECT_EQ(value.text(), bytes);
  }
  SqlValue number = SqlValue::Real(2.5);
  SqlValue& alias = number;
  number = alias;
  EXPECT_EQ(number.real(), 2.5);
}

TEST(SqlValueTest, TextMayBeSetFromItsOwnBytes) {
  SqlValue value = SqlValue::Text("0123456789abcdef");
  value.SetText(value.text().substr(2));  // heap to a shorter heap text, overlapping
  EXPECT_EQ(value.text(), "23456789abcdef");
  value.SetText(value.text().substr(6));  // heap to inline
  EXPECT_EQ(value.text(), "89abcdef");
  value.SetBlob(value.text().substr(1, 3));  // inline to inline
  EXPECT_EQ(value.type(), SQLITE_BLOB);
  EXPECT_EQ(value.text(), "9ab");
}

TEST(SqlValueTest, NumbersAndTextsReplaceEachOther) {
  SqlValue value = SqlValue::Text("a text longer than eight bytes");
  value.SetInteger(-7);
  EXPECT_EQ(value.type(), SQLITE_INTEGER);
  EXPECT_EQ(value.integer(), -7);
  EXPECT_EQ(value.text(), "");
  value.SetText("九个字节");  // 12 bytes: back on the heap
  // The number's slot holds the text now: neither number reads through it.
  EXPECT_EQ(value.integer(), 0);
  EXPECT_EQ(value.real(), 0.0);
  EXPECT_EQ(value.AsSqliteText(), "九个字节");
  value.SetReal(0.1);
  EXPECT_EQ(value.type(), SQLITE_FLOAT);
  EXPECT_EQ(value.real(), 0.1);
  EXPECT_EQ(value.integer(), 0);
  EXPECT_EQ(value.AsSqliteText(), "0.1");
  value.SetText("ab");
  value.SetNull();
  EXPECT_TRUE(value.is_null());
  EXPECT_EQ(value.text(), "");
}

// Writes `value` to SQLite and reads it back, with SQLite's view of it.
struct RoundTrip {
  SqlValue read;
  std::string type_name;
  int64_t length = 0;
};

RoundTrip ThroughSqlite(const SqlValue& value) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  RoundTrip result;
  {
    Statement stmt;
    EXPECT_EQ(stmt.Prepare(db, "select ?1, typeof(?1), length(cast(?1 as blob))"), SQLITE_OK);
    BindValue(stmt, 1, value);
    EXPECT_EQ(stmt.Step(), SQLITE_ROW);
    result.read = ColumnValue(stmt.get(), 0);
    result.type_name = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 1));
    result.length = sqlite3_column_int64(stmt.get(), 2);
  }
  sqlite3_close(db);
  return result;
}

TEST(SqlValueTest, BlobsAndTextsKeepEmbeddedNulsThroughSqlite) {
  const std::string short_blob("a\0b\0", 4);
  const std::string long_blob("\0\0x\0yz\0\0\0 tail", 15);
  for (const std::string& bytes : {short_blob, long_blob}) {
    const RoundTrip blob = ThroughSqlite(SqlValue::Blob(bytes));
    EXPECT_EQ(blob.type_name, "blob");
    EXPECT_EQ(blob.length, static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(blob.read.type(), SQLITE_BLOB);
    EXPECT_EQ(blob.read.text(), bytes);
    // A text is bound with its length too, not up to its first NUL.
    const RoundTrip text = ThroughSqlite(SqlValue::Text(bytes));
    EXPECT_EQ(text.type_name, "text");
    EXPECT_EQ(text.length, static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(text.read.text(), bytes);
  }
}

TEST(SqlValueTest, AnEmptyTextIsNotNull) {
  const SqlValue empty = SqlValue::Text("");
  EXPECT_FALSE(empty.is_null());
  EXPECT_EQ(ThroughSqlite(empty).type_name, "text");
  EXPECT_EQ(ThroughSqlite(empty).read.type(), SQLITE_TEXT);
  EXPECT_EQ(ThroughSqlite(SqlValue::Null()).type_name, "null");
  EXPECT_EQ(ThroughSqlite(SqlValue::Null()).read.type(), SQLITE_NULL);
}

TEST(SqlValueTest, ReadingRowsIntoOneValueGivesEachRowsBytes) {
  // One value read into again and again (its heap text reused while texts
  // shrink): each read must leave exactly that row's bytes.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  {
    Statement stmt;
    ASSERT_EQ(stmt.Prepare(db,
                           "select column1 from (values('a much longer first text'),"
                           "('shorter text'),(x'00010203040506070809'),('ab'),(NULL),"
                           "('grows again, past the first text')) "),
              SQLITE_OK);
    const std::vector<std::string> expected = {
        "a much longer first text", "shorter text", std::string("\0\1\2\3\4\5\6\7\10\11", 10),
        "ab", "", "grows again, past the first text"};
    const int types[] = {SQLITE_TEXT, SQLITE_TEXT, SQLITE_BLOB,
                         SQLITE_TEXT, SQLITE_NULL, SQLITE_TEXT};
    SqlValue value;
    for (size_t row = 0; row < expected.size(); ++row) {
      ASSERT_EQ(stmt.Step(), SQLITE_ROW);
      ColumnValueInto(stmt.get(), 0, &value);
      EXPECT_EQ(value.type(), types[row]) << row;
      EXPECT_EQ(value.text(), expected[row]) << row;
    }
  }
  sqlite3_close(db);
}

#if defined(__unix__)
TEST(SqlValueTest, BytesOfFourGibibytesOrMoreAreRefusedWhole) {
  // A range of address space that is never touched (the length check comes
  // first), so no memory is used.
  const size_t length = (size_t{1} << 32) + 1;
  void* space = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (space == MAP_FAILED) GTEST_SKIP() << "no address space for the check";
  SqlValue value = SqlValue::Text("kept as it was");
  const std::string_view huge(static_cast<const char*>(space), length);
  EXPECT_THROW(value.SetBlob(huge), std::length_error);
  EXPECT_EQ(value.type(), SQLITE_TEXT);
  EXPECT_EQ(value.text(), "kept as it was");
  munmap(space, length);
}
#endif

}  // namespace
}  // namespace ftcalc
