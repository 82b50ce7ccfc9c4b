// The number rules worked out on fetched values, against SQLite itself
// evaluating the same expressions on the same bound values.
#include "data/value_arithmetic.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "data/query.h"
#include "data/sqlite_handle.h"

namespace ftcalc {
namespace {

class ValueArithmeticTest : public ::testing::Test {
 protected:
  ValueArithmeticTest() { sqlite3_open(":memory:", &db_); }
  ~ValueArithmeticTest() override { sqlite3_close(db_); }

  // The one value `sql` gives with x and y bound as ?1 and ?2.
  SqlValue Evaluate(const std::string& sql, const SqlValue& x, const SqlValue& y) {
    Statement stmt;
    EXPECT_EQ(stmt.Prepare(db_, sql), SQLITE_OK);
    BindValue(stmt, 1, x);
    BindValue(stmt, 2, y);
    EXPECT_EQ(stmt.Step(), SQLITE_ROW);
    return ColumnValue(stmt.get(), 0);
  }

  static std::vector<SqlValue> Operands() {
    const double inf = std::numeric_limits<double>::infinity();
    return {SqlValue::Null(),           SqlValue::Integer(0),
            SqlValue::Integer(-7),      SqlValue::Integer(3037000500),
            SqlValue::Integer(INT64_MAX), SqlValue::Integer(INT64_MIN),
            SqlValue::Real(0.0),        SqlValue::Real(-0.0),
            SqlValue::Real(2.5),        SqlValue::Real(-1e308),
            SqlValue::Real(inf),        SqlValue::Real(1e-320)};
  }

  sqlite3* db_ = nullptr;
};

TEST_F(ValueArithmeticTest, MultiplyMatchesSqliteForEveryPair) {
  for (const SqlValue& x : Operands()) {
    for (const SqlValue& y : Operands()) {
      const SqlValue expected = Evaluate("select ?1*?2", x, y);
      SqlValue product;
      ASSERT_TRUE(MultiplyValues(x, y, &product));
      const std::string operands = x.AsSqliteText() + " * " + y.AsSqliteText();
      ASSERT_EQ(product.type(), expected.type()) << operands;
      if (expected.type() == SQLITE_INTEGER) {
        EXPECT_EQ(product.integer(), expected.integer()) << operands;
      }
      if (expected.type() == SQLITE_FLOAT) {
        const double got = product.real(), want = expected.real();
        EXPECT_EQ(std::memcmp(&got, &want, sizeof(double)), 0) << operands;
      }
    }
  }
}

TEST_F(ValueArithmeticTest, ComparisonsMatchSqlite) {
  for (const SqlValue& x : Operands()) {
    const RealSign sign = SignOfReal(x);
    const SqlValue positive = Evaluate("select cast(?1 as real)>0", x, SqlValue::Null());
    const SqlValue nonzero = Evaluate("select cast(?1 as real)<>0", x, SqlValue::Null());
    EXPECT_EQ(positive.type() == SQLITE_INTEGER && positive.integer() == 1, sign == RealSign::kPositive)
        << x.AsSqliteText();
    EXPECT_EQ(nonzero.type() == SQLITE_INTEGER && nonzero.integer() == 1,
              sign == RealSign::kPositive || sign == RealSign::kNegative)
        << x.AsSqliteText();
    EXPECT_EQ(sign == RealSign::kNull, x.is_null());
  }
}

// Ranking as ORDER BY ranks, integers against reals exactly (2^53+1 is
// above the real 2^53, which equals the integer 2^53).
TEST_F(ValueArithmeticTest, NumbersRankAsSqliteOrdersThem) {
  std::vector<SqlValue> values = Operands();
  values.push_back(SqlValue::Integer(9007199254740993));
  values.push_back(SqlValue::Real(9007199254740992.0));
  values.push_back(SqlValue::Integer(9007199254740992));
  values.push_back(SqlValue::Real(-7.5));
  for (const SqlValue& x : values) {
    for (const SqlValue& y : values) {
      const int order = CompareNumbersOrNull(x, y);
      // The first of the two in "order by v" (NULL first), and whether they tie.
      const SqlValue first = Evaluate(
          "select v from (select ?1 as v, 1 as k union all select ?2, 2) order by v, k limit 1", x, y);
      const SqlValue ties = Evaluate("select ?1=?2 or (?1 is null and ?2 is null)", x, y);
      const std::string pair = x.AsSqliteText() + " vs " + y.AsSqliteText();
      EXPECT_EQ(order == 0, ties.integer() == 1) << pair;
      if (order != 0) {
        EXPECT_EQ(first.AsSqliteText(), (order < 0 ? x : y).AsSqliteText()) << pair;
      }
    }
  }
}

// Text and blob operands are SQLite's to read: nothing is decided.
TEST_F(ValueArithmeticTest, TextOperandsAreNotDecided) {
  SqlValue product = SqlValue::Integer(5);
  EXPECT_FALSE(MultiplyValues(SqlValue::Text("2"), SqlValue::Integer(3), &product));
  EXPECT_FALSE(MultiplyValues(SqlValue::Null(), SqlValue::Text("x"), &product));
  EXPECT_EQ(product.integer(), 5);
  EXPECT_EQ(SignOfReal(SqlValue::Text("1")), RealSign::kUndecided);
  EXPECT_FALSE(EqualsZeroInNumericColumn(SqlValue::Text("0")));
  EXPECT_TRUE(EqualsZeroInNumericColumn(SqlValue::Real(-0.0)));
  EXPECT_FALSE(EqualsZeroInNumericColumn(SqlValue::Null()));
}

}  // namespace
}  // namespace ftcalc
