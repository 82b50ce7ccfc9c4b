// Statement execution, query fields and the FtRou function on a real
// project handle, as the steps use them.
#include "data/database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/sqlite_handle.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    project_.Exec(
        "create table t(编号 INTEGER PRIMARY KEY, n REAL, i INTEGER, s TEXT, u);"
        "insert into t values(1, 12.5, 7, 'abc', NULL);"
        "insert into t values(2, NULL, NULL, NULL, 3.25);");
    project_.SetUpEngine();
    project_.ClearErrors();
  }
  Database& db() { return project_.Context().db; }
  TestProject project_;
};

TEST_F(DatabaseTest, FtRouStaysRegisteredForTheHostsOwnStatements) {
  // The setup registers FtRou on the host's handle and the registration
  // outlives the call: the host's own statements can use it.
  project_.RunFull();
  EXPECT_EQ(project_.Text("select FtRou(2.5,0)"), "3.0");
}

TEST_F(DatabaseTest, FtRouIsRegisteredAgainWhenAStatementLacksIt) {
  // Someone removed the function from the handle: the statement fails for
  // want of it, the function is registered and the one retry succeeds.
  project_.Exec("select 1");
  ASSERT_EQ(sqlite3_create_function(project_.db(), "FtRou", 2, SQLITE_UTF8, nullptr, nullptr,
                                    nullptr, nullptr),
            SQLITE_OK);
  EXPECT_EQ(db().Exec("update t set n=FtRou(2.5,0) where 编号=1"), 1);
  EXPECT_TRUE(project_.errors().empty());
  EXPECT_EQ(project_.Text("select n from t where 编号=1"), "3.0");
}

TEST_F(DatabaseTest, FtRouInPlaceStaysWhenAStatementRunsDuringTheSetup) {
  // The engine called while a statement of the handle runs (a host in the
  // middle of reading rows, or an SQL function that calculates): SQLite
  // refuses to replace a function then. The registration in place stays,
  // and the refused one is freed exactly once.
  FtRouRegistration in_place, refused;
  ASSERT_EQ(in_place.Register(project_.db()), SQLITE_OK);
  Statement running;
  ASSERT_EQ(running.Prepare(project_.db(), "select 1 union all select 2"), SQLITE_OK);
  ASSERT_EQ(running.Step(), SQLITE_ROW);
  EXPECT_EQ(refused.Register(project_.db()), SQLITE_BUSY);
  EXPECT_FALSE(refused.IsRegisteredOn(project_.db()));
  running.Finalize();
  EXPECT_TRUE(in_place.IsRegisteredOn(project_.db()));
  EXPECT_EQ(project_.Text("select FtRou(2.5,0)"), "3.0");
}

TEST_F(DatabaseTest, FtRouFollowsTheRoundingRule) {
  Query query;
  ASSERT_TRUE(db().Open(query,
                        "select FtRou(2.5,0), FtRou(-2.5,0), FtRou(NULL,2), FtRou('12.345abc',2), "
                        "FtRou(1.5,NULL), typeof(FtRou(NULL,2)), FtRou(1.005,2)"));
  EXPECT_EQ(FieldText(query, "0"), "3");
  EXPECT_EQ(FieldText(query, "1"), "-2");
  EXPECT_EQ(FieldText(query, "2"), "0");
  EXPECT_EQ(FieldText(query, "3"), "12.35");
  EXPECT_EQ(FieldText(query, "4"), "2");
  EXPECT_EQ(FieldText(query, "5"), "real");
  EXPECT_EQ(FieldText(query, "6"), "1.01");
}

// A REAL reaches FtRou as its 15-digit text. Rounding the double directly
// where that text cannot matter must give what the text gives, in the SQL
// function as in the steps' own code: checked on prices, on sums with
// binary noise, on values a hair from the rounding threshold and on large
// ones. 0.285 (0.28499999999999998 as a double) shows the text at work: its
// 15 digits read as 0.285, which the 0.00001 tolerance rounds up.
TEST_F(DatabaseTest, FtRouOfARealRoundsWhatItsTextSays) {
  auto reference = [](double x, int digits) {
    char text[64];
    sqlite3_snprintf(sizeof text, text, "%!.15g", x);
    return RoundHalfUp(digits, CAtof(text));
  };
  EXPECT_EQ(FtRouOfReal(0.285, 2), 0.29);
  EXPECT_EQ(FtRouOfReal(1.0049899, 2), 1.0);
  Statement stmt;
  ASSERT_EQ(stmt.Prepare(project_.db(), "select FtRou(?1,?2)"), SQLITE_OK);
  std::mt19937_64 random(15);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 300000; ++i) {
    const int digits = static_cast<int>(random() % 5);
    const double scale = std::pow(10.0, digits);
    double x;
    switch (i % 5) {
      case 0: x = std::round(unit(random) * 1e6) / 100; break;                 // a price
      case 1: x = std::round(unit(random) * 1e4) / 100 * (unit(random) * 10); break;  // a product
      case 2: x = (std::floor(unit(random) * 1e5) + 0.5 - 0.00001 + (unit(random) - 0.5) * 4e-5) / scale; break;
      case 3: {  // a neighbour of a value right on the threshold
        const double edge = (std::floor(unit(random) * 1e5) + 0.5 - (digits ? 0.00001 : 0)) / scale;
        x = std::nextafter(edge, i % 2 ? 0.0 : 1e9);
        break;
      }
      default: x = (unit(random) - 0.5) * std::pow(10.0, static_cast<int>(random() % 30) - 10);
    }
    const double expected = reference(x, digits);
    ASSERT_EQ(FtRouOfReal(x, digits), expected) << std::hexfloat << x << " " << digits;
    if (i % 10 == 0) {
      stmt.Reset();
      stmt.BindDouble(1, x);
      stmt.BindInt64(2, digits);
      ASSERT_EQ(stmt.Step(), SQLITE_ROW);
      ASSERT_EQ(sqlite3_column_double(stmt.get(), 0), expected) << std::hexfloat << x;
    }
  }
}

// Fields read as numbers take a REAL as its 15-digit text reads; a REAL
// whose shortest form has 15 digits or fewer is taken as it is, which must
// be the same number.
TEST_F(DatabaseTest, RealReadThroughItsTextAsItself) {
  std::mt19937_64 random(16);
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int i = 0; i < 200000; ++i) {
    const double x = i % 2 ? std::round(unit(random) * 1e8) / std::pow(10.0, random() % 7)
                           : unit(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
    const SqlValue value = SqlValue::Real(x);
    ASSERT_EQ(value.AsSqliteTextNumber(), CAtof(value.AsSqliteText())) << std::hexfloat << x;
  }
  EXPECT_TRUE(ReadsBackFromFifteenDigits(0.1));
  EXPECT_FALSE(ReadsBackFromFifteenDigits(0.1 + 0.2));  // 0.30000000000000004
}

TEST_F(DatabaseTest, FtRouErrorTwiceIsShownOnce) {
  // A wrong argument count mentions FtRou: the retry fails too and that
  // second failure is shown with the statement.
  EXPECT_EQ(db().Exec("select FtRou(1)"), -1);
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "select FtRou(1)");
}

TEST_F(DatabaseTest, FailingStatementIsReportedWithItsText) {
  EXPECT_EQ(db().Exec("update nowhere set x=1"), -1);
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_NE(project_.errors()[0].message.find("no such table: nowhere"), std::string::npos);
  EXPECT_EQ(project_.errors()[0].detail, "update nowhere set x=1");
}

TEST_F(DatabaseTest, LockedDatabaseFailsWithoutReport) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(project_.project_path().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_EQ(db().Exec("update t set n=1"), -1);
  Query query;
  EXPECT_FALSE(db().Open(query, "select * from t"));
  EXPECT_TRUE(project_.errors().empty());
  sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
  sqlite3_close(other);
}

TEST_F(DatabaseTest, MissingArchiveIsReportedWithTheProjectPath) {
  Query query;
  EXPECT_FALSE(db().Open(query, "select 内容 from 工程档案_x"));
  project_.Exec("drop table 工程档案");
  project_.ClearErrors();
  EXPECT_FALSE(db().Open(query, "select 内容 from 工程档案 where 名称='工程名称'"));
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, project_.project_path());
}

TEST_F(DatabaseTest, FieldReferencesByNameAndPosition) {
  Query query;
  ASSERT_TRUE(db().Open(query, "select 编号, s, n from t order by 编号"));
  EXPECT_EQ(FieldText(query, "0"), "1");
  EXPECT_EQ(FieldText(query, "1"), "abc");
  EXPECT_EQ(FieldText(query, "2abc"), "12.5");  // atol reads 2: a position
  EXPECT_EQ(FieldText(query, "S"), "abc");      // names ignore ASCII case
  EXPECT_EQ(FieldText(query, "nosuch"), "");
  EXPECT_EQ(FieldText(query, "3"), "");
  EXPECT_EQ(FieldNumber(query, "nosuch"), 0.0);
  query.Close();
  EXPECT_EQ(FieldText(query, "0"), "");
  EXPECT_FALSE(SetFieldNumber(query, "n", -1, 1.0));
}

// A wide result (more than eight fields) is searched through its index of
// names: ASCII case aside, the first field of a repeated name, nothing for
// a name it lacks.
TEST_F(DatabaseTest, FieldsOfAWideResultAreFoundByName) {
  Query query;
  ASSERT_TRUE(db().Open(query,
                        "select 编号, s, n, i, u, 1 as 单价_人工费, 2 as Aa, 3 as aA, 4 as b, "
                        "5 as c from t order by 编号"));
  EXPECT_EQ(query.FieldIndex("单价_人工费"), 5);
  EXPECT_EQ(query.FieldIndex("AA"), 6);  // Aa and aA are one name: the first counts
  EXPECT_EQ(query.FieldIndex("aa"), 6);
  EXPECT_EQ(query.FieldIndex("C"), 9);
  EXPECT_EQ(query.FieldIndex("单价_人工"), -1);
  EXPECT_EQ(query.FieldIndex(""), -1);
  EXPECT_EQ(FieldText(query, "S"), "abc");
}

TEST_F(DatabaseTest, FieldTextNormalisesByFieldKind) {
  project_.Exec("insert into t values(3, '12.345abc', 12.7, 'x', 0.1)");
  Query query;
  ASSERT_TRUE(db().Open(query, "select n, i, u, 0.1+0.2 as e, s from t where 编号=3"));
  EXPECT_EQ(FieldText(query, "n"), "12.345");  // float field holding text
  EXPECT_EQ(FieldText(query, "i"), "12");      // integer field holding 12.7
  EXPECT_EQ(FieldText(query, "u"), "0.1");
  EXPECT_EQ(FieldText(query, "e"), "0.3");
  EXPECT_EQ(FieldNumber(query, "n"), 12.345);
  EXPECT_EQ(FieldNumber(query, "n", 2), 12.35);
  ASSERT_TRUE(db().Open(query, "select n, i from t where 编号=2"));
  EXPECT_EQ(FieldText(query, "n"), "");  // NULL reads as empty text
  EXPECT_EQ(FieldText(query, "i"), "");
}

// Streamed rows read as the fetched ones (the same field kinds), one at a
// time, with FtRou registered on the way; a failure is reported once.
TEST_F(DatabaseTest, StreamedRowsReadAsFetchedRows) {
  project_.Exec("insert into t values(3, '12.345abc', 12.7, 'x', 0.1)");
  std::vector<std::string> seen;
  Query query;
  ASSERT_TRUE(db().Stream(query, "select n, i, FtRou(u,0) as r from t order by 编号 desc",
                          [&](const Query& row) {
                            EXPECT_EQ(row.RecordCount(), 1);
                            seen.push_back(FieldText(row, "n") + "|" + FieldText(row, "i") + "|" +
                                           FieldText(row, "r"));
                          }));
  EXPECT_EQ(seen, (std::vector<std::string>{"12.345|12|0", "||3", "12.5|7|0"}));
  EXPECT_TRUE(query.is_open());
  EXPECT_EQ(query.RecordCount(), 0);
  EXPECT_TRUE(project_.errors().empty());

  EXPECT_FALSE(db().Stream(query, "select * from missing", [](const Query&) {}));
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "select * from missing");
}

TEST_F(DatabaseTest, NumberLiteralOfMissingOrMalformedFields) {
  project_.Exec("insert into t values(3, '12.345abc', 7, 'x', 'abc')");
  Query query;
  ASSERT_TRUE(db().Open(query, "select n, i, u, s from t where 编号 in(2,3) order by 编号"));
  EXPECT_EQ(FieldNumberLiteral(query, "n"), "0");  // NULL
  EXPECT_EQ(FieldNumberLiteral(query, "u"), "3.25");
  query.Next();
  EXPECT_EQ(FieldNumberLiteral(query, "n"), "12.345");
  EXPECT_EQ(FieldNumberLiteral(query, "i"), "7");
  EXPECT_EQ(FieldNumberLiteral(query, "u"), "0");
  EXPECT_EQ(SqlQuoted("it's"), "it''s");
}

TEST_F(DatabaseTest, EditedRowIsPostedByKey) {
  Query query;
  ASSERT_TRUE(db().Open(query, "select * from t order by 编号"));
  query.Next();
  query.Edit();
  EXPECT_TRUE(SetFieldNumber(query, "n", -1, 9.5));
  EXPECT_TRUE(SetFieldInteger(query, "i", 4));
  EXPECT_TRUE(SetFieldNumber(query, "nosuch", -1, 1.0));  // ignored, still true
  EXPECT_TRUE(db().Post(query));
  EXPECT_EQ(project_.Rows("select 编号,n,i,typeof(i),s from t order by 编号"),
            (std::vector<std::string>{"1|12.5|7|integer|abc", "2|9.5|4|integer|NULL"}));
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(DatabaseTest, PostWritesTheRowItWasReadFromOrReports) {
  Query query;
  ASSERT_TRUE(db().Open(query, "select 编号, n from t order by 编号"));
  query.Edit();
  SetFieldInteger(query, "编号", 5);  // the key moves with the write...
  SetFieldNumber(query, "n", -1, 1.5);
  EXPECT_TRUE(db().Post(query));        // ...of the row that was read
  EXPECT_EQ(project_.Rows("select 编号,n from t order by 编号"),
            (std::vector<std::string>{"2|NULL", "5|1.5"}));
  query.Next();
  project_.Exec("delete from t where 编号=2");
  query.Edit();
  SetFieldNumber(query, "n", -1, 2.5);
  EXPECT_FALSE(db().Post(query));  // a write that reaches no row is an error
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "select 编号, n from t order by 编号");
}

TEST_F(DatabaseTest, BoundNumbersStoreWhatPastedLiteralsStore) {
  project_.Exec("create table v(k INTEGER PRIMARY KEY, r REAL, i INTEGER, x, how TEXT)");
  const std::vector<std::string> literals = {"12",   "12.5", "1E-6", "-5",  "5.",
                                             ".5",   "007",  "+3",   "-0",  "123456789012345678",
                                             "1234567890123456789", "9223372036854775808",
                                             "0.30000000000000004"};
  int key = 0;
  for (const std::string& number : literals) {
    ++key;
    db().Exec("insert into v values(" + std::to_string(key) + "," + number + "," + number + "," +
            number + ",'literal')");
    ++key;
    db().ExecNumbers("insert into v values({},{},{},{},'bound')",
                   {std::to_string(key), number, number, number});
  }
  const auto rows = project_.Rows(
      "select typeof(r),quote(r),typeof(i),quote(i),typeof(x),quote(x) from v order by k");
  ASSERT_EQ(rows.size(), 2 * literals.size());
  for (size_t i = 0; i < literals.size(); ++i) {
    EXPECT_EQ(rows[2 * i], rows[2 * i + 1]) << literals[i];
  }
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(DatabaseTest, BoundNumbersReportTheLiteralStatement) {
  EXPECT_EQ(db().ExecNumbers("update t set n={} where 编号={}", {"abc", "1"}), -1);
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "update t set n=abc where 编号=1");
  project_.ClearErrors();
  EXPECT_EQ(db().ExecNumbers("update nosuch set n={}", {"1"}), -1);
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "update nosuch set n=1");
  EXPECT_EQ(db().ExecNumbers("update t set n={} where 编号={}", {"2.5", "1"}), 1);
  EXPECT_EQ(project_.Text("select n from t where 编号=1"), "2.5");
}

TEST_F(DatabaseTest, ShowDbErrorDropsTheDriverPrefix) {
  db().Report("[FireDAC][Phys][SQLite] ERROR: x", "detail");
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].message, " ERROR: x");
}

}  // namespace
}  // namespace ftcalc
