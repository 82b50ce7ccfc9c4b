// The full-calculation frame and the dispatch of the partial recalculation,
// seen from the host: progress calls, preparation rows, transaction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ftcalc/ftcalc.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

struct ProgressLog {
  std::vector<std::string> events;
  int cancel_after_shows = -1;  // cancel once this many shows were drawn
  int shows = 0;
};

ProgressLog* g_log = nullptr;

void LogOpen(void*, const char* caption, int stay_on_top) {
  g_log->events.push_back(std::string("open ") + caption + (stay_on_top ? " top" : ""));
}
void LogShow(void*, const char*, const char* text, int parts, int total) {
  ++g_log->shows;
  g_log->events.push_back(std::string(text) + " " + std::to_string(parts) + "/" +
                          std::to_string(total));
}
int LogCancelled(void*) {
  return g_log->cancel_after_shows >= 0 && g_log->shows >= g_log->cancel_after_shows;
}
void LogClose(void*) { g_log->events.push_back("close"); }
const char* ExePath(void* context) { return static_cast<const char*>(context); }
void IgnoreError(void*, const char*, const char*) {}

class DriverTest : public ::testing::Test {
 protected:
  DriverTest() {
    project_.Exec(
        "insert into 工程档案(名称,内容) values('工程名称','试验段'),('系统值_利润','old');"
        "insert into 生成报表(标志) values(0),(0);");
  }

  // Runs a full calculation with a host that records the progress window.
  void RunWithProgressLog() {
    g_log = &log_;
    exe_ = project_.dir() + "/host";
    FtHostInterface host{};
    host.context = const_cast<char*>(exe_.c_str());
    host.executable_path = ExePath;
    host.show_db_error = IgnoreError;
    host.progress_open = LogOpen;
    host.progress_show = LogShow;
    host.progress_cancelled = LogCancelled;
    host.progress_close = LogClose;
    FtSetHostInterface(&host);
    project_.RunFull();
    FtSetHostInterface(nullptr);
    g_log = nullptr;
  }

  // The driver's own updates, without the finer ones a step makes.
  std::vector<std::string> StepEvents() const {
    std::vector<std::string> out;
    for (const std::string& e : log_.events) {
      if (e.find("...") == std::string::npos) out.push_back(e);
    }
    return out;
  }

  TestProject project_;
  ProgressLog log_;
  std::string exe_;
};

TEST_F(DriverTest, ProgressFollowsTheFixedStepOrder) {
  RunWithProgressLog();
  // base 1, total 100: position p shows p - 1 parts of 99.
  std::vector<std::string> expected = {
      "open 试验段 top",
      "正在运行…… 0/99",
      "计算:定额人材机 试验段 9/99",
      "计算:清单项 试验段 19/99",
      "计算:定额汇总 试验段 39/99",
      "计算:设备汇总 试验段 79/99",
      "计算:材料价格 试验段 69/99",
      "计算:汇总合价 试验段 49/99",
      "计算:工程取费 试验段 59/99",
      "计算:生成序号 试验段 89/99",
      "close",
  };
  EXPECT_EQ(StepEvents(), expected);
}

TEST_F(DriverTest, CancelFreezesTheWindowButNotTheCalculation) {
  log_.cancel_after_shows = 2;  // the open and the first update are drawn
  RunWithProgressLog();
  std::vector<std::string> expected = {
      "open 试验段 top", "正在运行…… 0/99", "计算:定额人材机 试验段 9/99", "close"};
  EXPECT_EQ(StepEvents(), expected);
  // The calculation went on to the end and was committed.
  EXPECT_EQ(project_.Text("select count(*) from 生成报表"), "0");
  EXPECT_EQ(sqlite3_get_autocommit(project_.db()), 1);
}

TEST_F(DriverTest, SystemValuesFromTheEarthworkSheet) {
  project_.Exec(
      "insert into 工程取费(主表,专业取费,顺号,项目,公式,费率) values"
      "(1,'人工土方','7',' \t利润  ','',7.42),(1,'人工土方','8','增值税','','9''%'),"
      "(1,'机械土方','7','利润','',5)");
  project_.RunFull();
  EXPECT_EQ(project_.Rows("select 名称,内容,typeof(内容) from 工程档案 where 名称 like '系统值%' "
                          "order by 名称"),
            (std::vector<std::string>{"系统值_利润|7.42|text", "系统值_税金|9'%|text"}));
  EXPECT_EQ(project_.Text("select count(*) from 生成报表"), "0");
}

TEST_F(DriverTest, NoEarthworkRowsRemovesTheSystemValues) {
  project_.RunFull();
  EXPECT_EQ(project_.Text("select count(*) from 工程档案 where 名称 like '系统值%'"), "0");
}

TEST_F(DriverTest, PartialRecalculationOfOtherKindsWritesNothing) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,名称,工程量,计算,综合单价) values"
      "(1,0,'级1','第100章 总则',1,0,5),(2,1,'描述','说明',1,0,7)");
  const auto before = project_.Rows("select * from 分部分项");
  project_.Recalc(2, /*kind=*/1);
  project_.Recalc(1, /*kind=*/2);
  project_.Recalc(99, /*kind=*/1);
  EXPECT_EQ(project_.Rows("select * from 分部分项"), before);
  EXPECT_TRUE(project_.errors().empty());
}

}  // namespace
}  // namespace ftcalc
