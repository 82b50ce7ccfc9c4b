// The ftcalc host end to end: the sample databases built from the SQL text,
// the engine loaded with dlopen, files refused before anything is touched.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <string>

#include "data/gbk.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::ReadTextFile;

struct Result {
  int exit_code = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ftcalc-cli-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    const char* bin = std::getenv("FTCALC_BIN_DIR");
    ftcalc_ = std::string(bin ? bin : FTCALC_BINARY_DIR "/bin") + "/ftcalc";
  }
  void TearDown() override {
    int rc = std::system(("rm -rf '" + dir_ + "'").c_str());
    (void)rc;
  }

  // Builds sample.db, RoadLib.db and Other.db from examples/ into dir_.
  void MakeSample() {
    const std::string src = FTCALC_SOURCE_DIR "/examples/";
    MakeDb("sample.db", {src + "schema/project.sql", src + "sample/project.sql"});
    MakeDb("RoadLib.db", {src + "schema/library.sql", src + "sample/library.sql"});
    MakeDb("Other.db", {src + "schema/other.sql", src + "sample/other.sql"});
  }

  void MakeDb(const std::string& name, const std::vector<std::string>& files) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ + "/" + name).c_str(), &db), SQLITE_OK);
    for (const std::string& file : files) {
      char* error = nullptr;
      ASSERT_EQ(sqlite3_exec(db, ReadTextFile(file).c_str(), nullptr, nullptr, &error), SQLITE_OK)
          << file << ": " << (error ? error : "");
    }
    sqlite3_close(db);
  }

  Result Run(const std::string& args) {
    Result r;
    const std::string out = dir_ + "/stdout", err = dir_ + "/stderr";
    int status = std::system((ftcalc_ + " " + args + " >'" + out + "' 2>'" + err + "'").c_str());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadTextFile(out);
    r.err = ReadTextFile(err);
    return r;
  }

  std::string Sql(const std::string& statement) {
    Result r = Run("sql '" + dir_ + "/sample.db' \"" + statement + "\"");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    return r.out;
  }

  std::string CalcArgs(const std::string& project, const std::string& library) {
    return "calc '" + project + "' --library '" + library + "' --other '" + dir_ +
           "/Other.db' --exe-dir '" + dir_ + "' --quiet";
  }

  std::string dir_;
  std::string ftcalc_;
};

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

TEST_F(CliTest, CalcRunsTheSetupOnTheSample) {
  MakeSample();
  Result r = Run(CalcArgs(dir_ + "/sample.db", dir_ + "/RoadLib.db"));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("工程名称: "), std::string::npos) << r.out;
  EXPECT_EQ(Sql("select 内容 from 工程档案 where 名称='工程号'"), "sample\n");
  const std::string ini = ReadTextFile(dir_ + "/User.INI");
  EXPECT_NE(ini.find(Utf8ToGbk("[软件设置]")), std::string::npos);
  EXPECT_NE(ini.find(Utf8ToGbk("加载内存=")), std::string::npos);
  EXPECT_NE(ini.find(Utf8ToGbk("秒")), std::string::npos);
  struct stat info;
  ASSERT_EQ(stat((dir_ + "/Tmp").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(CliTest, LibraryFileNameNeedNotBeAnIdentifier) {
  MakeSample();
  auto copy = [&](const std::string& from, const std::string& to) {
    ASSERT_EQ(std::system(("cp '" + dir_ + "/" + from + "' '" + dir_ + "/" + to + "'").c_str()), 0);
  };
  copy("sample.db", "pristine.db");
  const std::string expected = Run(CalcArgs(dir_ + "/sample.db", dir_ + "/RoadLib.db")).out;
  for (const std::string name : {"Road-Lib 2018", "select"}) {
    copy("pristine.db", "sample.db");
    copy("RoadLib.db", name + ".db");
    Result r = Run(CalcArgs(dir_ + "/sample.db", dir_ + "/" + name + ".db"));
    EXPECT_EQ(r.exit_code, 0) << name << ": " << r.err;
    EXPECT_EQ(r.out, expected) << name;
  }
}

TEST_F(CliTest, SqlPrintsRowsWithFtRou) {
  MakeSample();
  EXPECT_EQ(Sql("select FtRou(2.5,0), FtRou('12.345abc',2), NULL, 'a'"), "3.0\t12.35\t\ta\n");
  Result r = Run("sql '" + dir_ + "/sample.db' 'select * from nosuch'");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("no such table: nosuch"), std::string::npos);
}

TEST_F(CliTest, SqlWithNoStatementRunsNothing) {
  MakeSample();
  // Blanks and a comment are no statement: nothing to print, nothing failed.
  Result r = Run("sql '" + dir_ + "/sample.db' ' -- nothing'");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, ReportedErrorsGiveExitOne) {
  MakeSample();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((dir_ + "/sample.db").c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "drop table 生成报表", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  Result r = Run(CalcArgs(dir_ + "/sample.db", dir_ + "/RoadLib.db"));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("delete from 生成报表"), std::string::npos) << r.err;
}

TEST_F(CliTest, MissingProjectIsRefusedAndNotCreated) {
  MakeSample();
  const std::string missing = dir_ + "/nosuch.db";
  Result r = Run(CalcArgs(missing, dir_ + "/RoadLib.db"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find(missing), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_FALSE(Exists(missing));
  EXPECT_FALSE(Exists(dir_ + "/User.INI"));
}

TEST_F(CliTest, MissingLibraryLeavesTheProjectUntouched) {
  MakeSample();
  const std::string before = ReadTextFile(dir_ + "/sample.db");
  const std::string missing = dir_ + "/NoLib.db";
  Result r = Run(CalcArgs(dir_ + "/sample.db", missing));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find(missing), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ(ReadTextFile(dir_ + "/sample.db"), before);
}

TEST_F(CliTest, NonDatabaseFileIsRefusedUntouched) {
  MakeSample();
  const std::string text = dir_ + "/notes.db";
  {
    FILE* f = std::fopen(text.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("not a database\n", f);
    std::fclose(f);
  }
  Result r = Run(CalcArgs(text, dir_ + "/RoadLib.db"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("not an SQLite database"), std::string::npos);
  EXPECT_EQ(ReadTextFile(text), "not a database\n");
}

TEST_F(CliTest, BadUsageExitsTwo) {
  EXPECT_EQ(Run("calc").exit_code, 2);
  EXPECT_EQ(Run("frobnicate").exit_code, 2);
}

}  // namespace
}  // namespace ftcalc
