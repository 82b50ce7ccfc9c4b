// What the host makes sure of around an engine call: it waits for another
// connection's lock (--wait) and refuses what it cannot calculate, it names
// the item tree's cycles and orphans (check lists them, calc warns), it
// says when a host folder cannot be written, and it never reports results
// that were not saved as if they were.
#include <chrono>
#include <thread>

#include "host_fixture.h"

namespace ftcalc::host_test {
namespace {

class HostSafetyTest : public HostTest {
 protected:
  std::string Calc(const std::string& extra = "") {
    return "calc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" + dir_ +
           "' --quiet" + extra;
  }
  std::string Check() { return "check '" + Path("sample.db") + "'" + Libraries() + " --json"; }
  std::string Stored(const std::string& sql) {
    Result r = Run("sql '" + Path("sample.db") + "' \"" + sql + "\"");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    return r.out;
  }

  // The sample's tree bent as an estimator's edits can leave it: 11, 17
  // and 20 each other's parents in a ring, 3 its own parent, 25 under a row
  // that does not exist and 30 under none at all.
  void BendTree() {
    ExecIn("sample.db",
           "update 分部分项 set 上级编号=17 where 编号=11;"
           "update 分部分项 set 上级编号=20 where 编号=17;"
           "update 分部分项 set 上级编号=11 where 编号=20;"
           "update 分部分项 set 上级编号=3 where 编号=3;"
           "update 分部分项 set 上级编号=999 where 编号=25;"
           "update 分部分项 set 上级编号=NULL where 编号=30;");
  }
};

TEST_F(HostSafetyTest, CheckListsTreeCyclesAndOrphansByTheirRows) {
  MakeSample();
  Result clean = Run(Check());
  EXPECT_EQ(clean.exit_code, 0) << clean.out;
  BendTree();
  Result r = Run(Check());
  EXPECT_EQ(r.exit_code, 1) << r.err;
  // One entry per cycle, named from its smallest row; rows that merely hang
  // below a cycle (12, 13 under 11) are not entries of their own.
  EXPECT_TRUE(Has(r.out, "\"sheet\": \"编号 3\",\n      \"顺号\": \"\",\n      \"项目\": \"\",\n"
                         "      \"kind\": \"tree_cycle\",\n      \"message\": \"上级编号构成循环（3→3）"))
      << r.out;
  EXPECT_TRUE(Has(r.out, "上级编号构成循环（11→17→20→11）")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"sheet\": \"编号 25\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "上级编号 999 不是任何行的编号")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"sheet\": \"编号 30\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "上级编号为空")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"problem_count\": 4")) << r.out;
  EXPECT_FALSE(Has(r.out, "\"编号 12\"")) << r.out;
}

TEST_F(HostSafetyTest, CalcWarnsAboutTheTreeAndKeepsTheEnginesResults) {
  MakeSample();
  BendTree();
  Result r = Run(Calc());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.err,
                  "ftcalc: warning: 2 cycles of 上级编号 in 分部分项: 3→3, 11→17→20→11; 2 rows "
                  "of 分部分项 whose 上级编号 names no row: 编号 25 (上级编号 999), 30 (上级编号 "
                  "NULL) (left out of every total above them"))
      << r.err;
  EXPECT_TRUE(Has(r.out, "数据库错误: 0\n")) << r.out;
}

TEST_F(HostSafetyTest, LongListsOfOrphansAreCutInTheWarning) {
  MakeSample();
  // The sample's rows 101 to 121 (21 rows), each under a row that is not there.
  ExecIn("sample.db", "update 分部分项 set 上级编号=编号+5000 where 编号 between 101 and 121;");
  Result r = Run(Calc());
  EXPECT_TRUE(Has(r.err, "21 rows of 分部分项 whose 上级编号 names no row: 编号 101 (上级编号 "
                         "5101), 102 (上级编号 5102), "))
      << r.err;
  EXPECT_TRUE(Has(r.err, ", 110 (上级编号 5110) and 11 more (left out")) << r.err;
}

TEST_F(HostSafetyTest, WaitsForAWriterThatLeavesWithinTheWait) {
  MakeSample();
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(Path("sample.db").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread release([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
  });
  const auto start = std::chrono::steady_clock::now();
  Result r = Run(Calc(" --wait 20"));
  const auto waited = std::chrono::steady_clock::now() - start;
  release.join();
  sqlite3_close(other);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_GE(waited, std::chrono::milliseconds(400));
  EXPECT_TRUE(Has(r.out, "工程造价: ")) << r.out;
  EXPECT_NE(Stored("select 内容 from 工程档案 where 名称='工程造价'"), "0元\n");
}

TEST_F(HostSafetyTest, AWriterOfTheLibraryDoesNotStopTheProjectsCalculation) {
  MakeSample();
  // Another project's host writing the shared library: the calculation only
  // reads the library, so it waits for nothing and is saved.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(Path("RoadLib.db").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
  Result calc = Run(Calc(" --wait 0.2"));
  Result recalc = Run("recalc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" + dir_ +
                      "' --kind 1 --item 67 --wait 0.2");
  sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(calc.exit_code, 0) << calc.err;
  EXPECT_EQ(recalc.exit_code, 0) << recalc.err;
  EXPECT_FALSE(Has(recalc.out, "计算结果: 未保存")) << recalc.out;
  EXPECT_NE(Stored("select 内容 from 工程档案 where 名称='工程造价'"), "0元\n");
}

TEST_F(HostSafetyTest, ResultsKeptFromTheCommitAreNeverShownAsSaved) {
  MakeSample();
  // A reader that stays past the wait: the commit cannot take the lock.
  sqlite3* reader = nullptr;
  ASSERT_EQ(sqlite3_open(Path("sample.db").c_str(), &reader), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_exec(reader, "begin", nullptr, nullptr, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_prepare_v2(reader, "select count(*) from 分部分项", -1, &stmt, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  sqlite3_finalize(stmt);

  Result calc = Run(Calc(" --wait 0.2 --json"));
  EXPECT_EQ(calc.exit_code, 1) << calc.err;
  EXPECT_TRUE(Has(calc.err, "ftcalc: the calculation was not saved")) << calc.err;
  EXPECT_TRUE(Has(calc.out, "\"saved\": false")) << calc.out;

  Result recalc = Run("recalc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" + dir_ +
                      "' --kind 1 --item 67 --wait 0.2");
  EXPECT_EQ(recalc.exit_code, 1) << recalc.err;
  EXPECT_TRUE(Has(recalc.err,
                  "ftcalc: the recalculation was not saved: its commit failed (database is "
                  "locked)"))
      << recalc.err;
  EXPECT_TRUE(Has(recalc.out, "计算结果: 未保存")) << recalc.out;
  EXPECT_FALSE(Has(recalc.out, "工程造价: ")) << recalc.out;

  sqlite3_exec(reader, "commit", nullptr, nullptr, nullptr);
  sqlite3_close(reader);
  // The sample as it was built (its five report rows, which a calculation
  // empties first): nothing of either run was kept.
  EXPECT_EQ(Stored("select 内容 from 工程档案 where 名称='工程造价'"), "0元\n");
  EXPECT_EQ(Stored("select count(*) from 生成报表"), "5\n");
}

TEST_F(HostSafetyTest, HostFolderThatIsNoFolderIsWarnedAboutOnce) {
  MakeSample();
  ExecIn("plain.db", "create table t(x);");
  Result r = Run("calc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" +
                 Path("plain.db") + "' --quiet");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "ftcalc: warning: the host folder '" + Path("plain.db") +
                       "' cannot be written (not a folder): User.INI and the Tmp folder are not "
                       "written\n");
  Result missing = Run("calc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" +
                       Path("nosuch") + "' --quiet");
  EXPECT_TRUE(Has(missing.err, "cannot be written (No such file or directory)")) << missing.err;
}

TEST_F(HostSafetyTest, LibrariesWithoutTheirTablesAreRefusedUntouched) {
  MakeSample();
  ExecIn("RoadLib.db", "drop table 计算设置;");
  const std::string before = testing::ReadTextFile(Path("sample.db"));
  Result r = Run(Calc());
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err, "ftcalc: library database '" + Path("RoadLib.db") +
                       "' lacks the tables the calculation reads: 计算设置\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(testing::ReadTextFile(Path("sample.db")), before);
}

TEST_F(HostSafetyTest, WaitTakesOnlyANonNegativeNumber) {
  MakeSample();
  EXPECT_EQ(Run(Calc(" --wait -1")).exit_code, 2);
  EXPECT_EQ(Run(Calc(" --wait soon")).exit_code, 2);
  EXPECT_EQ(Run(Calc(" --wait 0")).exit_code, 0);
}

}  // namespace
}  // namespace ftcalc::host_test
