// The setup as a host triggers it through the exports: settings, the
// engine connection, the project parameters and the User.INI entry.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/ftrou.h"
#include "data/gbk.h"
#include "engine/ini_file.h"
#include "engine/setup.h"
#include "entry/engine_state.h"
#include "ftcalc/ftcalc.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class SetupTest : public ::testing::Test {
 protected:
  void SetArchive(const std::string& name, const std::string& value) {
    project_.Exec("insert into 工程档案(名称,内容) values('" + name + "','" + value + "')");
  }
  void SetParameter(const std::string& name, const std::string& value) {
    project_.Exec("insert into 参数(名称,内容) values('" + name + "','" + value + "')");
  }
  TestProject project_;
};

TEST(FileBaseNameTest, ExtensionRemovedEverywhere) {
  EXPECT_EQ(FileBaseName("C:\\x\\A.db"), "A");
  EXPECT_EQ(FileBaseName("/data/Road2018.db"), "Road2018");
  EXPECT_EQ(FileBaseName("/data/a.db.db"), "a");
  EXPECT_EQ(FileBaseName("/data/noext"), "noext");
  EXPECT_EQ(FileBaseName(""), "");
}

TEST_F(SetupTest, DefaultsWithoutParametersOrSettings) {
  project_.SetUpEngine();
  EXPECT_EQ(TheEngine().settings.price_decimals, 2);
  EXPECT_EQ(TheEngine().settings.quantity_decimals, 3);
  EXPECT_EQ(TheEngine().settings.library_alias, "RoadLib");
  EXPECT_EQ(TheEngine().settings.attached_aliases, "[RoadLib][其他]");
  EXPECT_EQ(TheEngine().settings.other_library_alias, "其他");
  EXPECT_EQ(TheEngine().settings.exe_dir, project_.dir() + "/");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(SetupTest, DefaultsDependOnTheInstallFolder) {
  const std::string folder = project_.dir() + "/水利电力";
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  project_.set_executable_path(folder + "/host");
  project_.SetUpEngine();
  EXPECT_EQ(TheEngine().settings.price_decimals, 5);
  EXPECT_EQ(TheEngine().settings.quantity_decimals, 4);
  EXPECT_TRUE(IsDirectory(folder + "/Tmp"));
}

TEST_F(SetupTest, ParameterRowsWinOverSettingLines) {
  SetParameter("工程量小数位", " 4");
  SetParameter("价格小数位", "abc");  // not numeric: 0, no fallback
  project_.Exec("insert into RoadLib.参数(名称,内容) values('计算设置','a=1\r\n价格小数位=3\n工程量小数位=5')");
  project_.SetUpEngine();
  EXPECT_EQ(TheEngine().settings.quantity_decimals, 4);
  EXPECT_EQ(TheEngine().settings.price_decimals, 0);
}

TEST_F(SetupTest, SettingLinesWhenNoParameterRow) {
  project_.Exec("insert into RoadLib.参数(名称,内容) values('计算设置','a=1\r\n价格小数位=3\r工程量小数位=1')");
  project_.SetUpEngine();
  EXPECT_EQ(TheEngine().settings.price_decimals, 3);
  EXPECT_EQ(TheEngine().settings.quantity_decimals, 1);
}

TEST_F(SetupTest, NameAndMethodAreTrimmed) {
  SetArchive("工程名称", "  某公路 ");
  SetArchive("计价方式", " 清单法\t");
  project_.SetUpEngine();
  EXPECT_EQ(TheEngine().settings.project_name, "某公路");
  EXPECT_EQ(TheEngine().settings.pricing_method, "清单法");
}

TEST_F(SetupTest, ProjectNumberFollowsTheFileName) {
  SetArchive("工程号", "X''1");
  project_.SetUpEngine();
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='工程号'"), "project");
}

TEST_F(SetupTest, ProjectNumberWithBlanksIsLeftAlone) {
  SetArchive("工程号", "project ");
  project_.SetUpEngine();
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='工程号'"), "project ");
}

TEST_F(SetupTest, MissingProjectNumberIsNotCreated) {
  project_.SetUpEngine();
  EXPECT_EQ(project_.Text("select count(*) from 工程档案"), "0");
}

TEST_F(SetupTest, MissingArchiveIsReportedAndDefaultsStay) {
  project_.Exec("drop table 工程档案");
  project_.SetUpEngine();
  ASSERT_FALSE(project_.errors().empty());
  EXPECT_EQ(project_.errors()[0].detail, project_.project_path());
  EXPECT_EQ(TheEngine().settings.project_name, "");
  EXPECT_EQ(TheEngine().settings.price_decimals, 2);
}

TEST_F(SetupTest, LoadTimeEntryWrittenInGbk) {
  project_.SetUpEngine();
  const std::string ini = project_.dir() + "/User.INI";
  std::string seconds = ReadIniText(ini, "软件设置", "加载内存");
  ASSERT_FALSE(seconds.empty());
  EXPECT_EQ(seconds.substr(seconds.size() - 3), "秒");
  std::string raw = testing::ReadTextFile(ini);
  EXPECT_NE(raw.find(Utf8ToGbk("[软件设置]")), std::string::npos);
  EXPECT_TRUE(IsDirectory(project_.dir() + "/Tmp"));
  // A second setup rewrites the entry in place.
  project_.SetUpEngine();
  raw = testing::ReadTextFile(ini);
  EXPECT_EQ(raw.find(Utf8ToGbk("加载内存")), raw.rfind(Utf8ToGbk("加载内存")));
}

TEST_F(SetupTest, SkippedSetupKeepsTheParameters) {
  project_.SetUpEngine();
  SetParameter("价格小数位", "4");
  project_.Recalc(0, 0, /*skip_setup=*/1);
  EXPECT_EQ(TheEngine().settings.price_decimals, 2);
  project_.Recalc(0, 0, /*skip_setup=*/0);
  EXPECT_EQ(TheEngine().settings.price_decimals, 4);
}

TEST_F(SetupTest, SkippedSetupBeforeAnySetupSetsUp) {
  ReleaseEngine();
  SetParameter("价格小数位", "3");
  project_.Recalc(0, 0, /*skip_setup=*/1);
  EXPECT_TRUE(TheEngine().set_up);
  EXPECT_EQ(TheEngine().settings.price_decimals, 3);
}

TEST_F(SetupTest, NullConnectionIsReportedAndNothingRuns) {
  ReleaseEngine();
  QwD_GcJsDw(0, nullptr, nullptr, "p.db", "l.db", 0);
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].message, "数据库连接无效");
  EXPECT_EQ(project_.errors()[0].detail, "p.db");
  EXPECT_FALSE(TheEngine().set_up);
}

TEST_F(SetupTest, EmptyLibraryPath) {
  QwD_GcDbjs(0, project_.db(), nullptr, project_.project_path().c_str(), "", 0, 0, 0);
  EXPECT_EQ(TheEngine().settings.attached_aliases, "");
  EXPECT_EQ(TheEngine().settings.library_alias, "");
}

TEST_F(SetupTest, OnlyFtRouStaysOnTheHandle) {
  project_.Exec("create table t(x)");
  project_.SetUpEngine();
  // No statement of the engine is left open, and FtRou stays for the host's
  // own statements until the engine is released.
  EXPECT_EQ(sqlite3_next_stmt(project_.db(), nullptr), nullptr);
  EXPECT_EQ(project_.Text("select FtRou(1.005,2)"), "1.01");
  ReleaseEngine();
  char* error = nullptr;
  EXPECT_NE(sqlite3_exec(project_.db(), "select FtRou(1,0)", nullptr, nullptr, &error), SQLITE_OK);
  sqlite3_free(error);
}

TEST(FtRouRegistrationTest, AHandleClosedFirstIsNeverTouchedAgain) {
  // The host closes its connection while the engine is loaded: the
  // registration learns of it and releasing the engine later leaves the
  // closed handle alone (ASan would see a use after free otherwise).
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  FtRouRegistration registration;
  ASSERT_EQ(registration.Register(db), SQLITE_OK);
  ASSERT_EQ(registration.Register(db), SQLITE_OK);  // registered anew
  EXPECT_TRUE(registration.IsRegisteredOn(db));
  ASSERT_EQ(sqlite3_close(db), SQLITE_OK);
  EXPECT_FALSE(registration.IsRegisteredOn(db));
  registration.RemoveAll();
}

TEST(IniFileTest, EmptyKeyOrSectionWritesNothing) {
  TestProject project;
  const std::string path = project.dir() + "/x.ini";
  WriteIniText(path, "s", "", "v");
  WriteIniText(path, "", "k", "v");
  struct stat info;
  EXPECT_NE(stat(path.c_str(), &info), 0);
}

TEST(IniFileTest, KeysReplacedInTheirSection) {
  TestProject project;
  const std::string path = project.dir() + "/x.ini";
  WriteIniText(path, "A", "k", "1");
  WriteIniText(path, "B", "k", "2");
  WriteIniText(path, "a", "K", "3");  // names compare without ASCII case
  EXPECT_EQ(ReadIniText(path, "A", "k"), "3");
  EXPECT_EQ(ReadIniText(path, "B", "k"), "2");
  EXPECT_EQ(testing::ReadTextFile(path), "[A]\r\nK=3\r\n\r\n[B]\r\nk=2\r\n");
}

}  // namespace
}  // namespace ftcalc
