// The full calculation on the sample project as a whole: a second run
// changes nothing, and a step whose table is missing is reported while the
// steps after it still run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

// Every row of every project table, with the storage class of each value.
// The rebuilt summary tables get fresh keys from the database on every run,
// so there the keys are left out and the rows compared in key order, with
// the parent link reduced to "is a top row".
std::vector<std::string> Snapshot(TestProject& project) {
  std::vector<std::string> out;
  for (const std::string& table :
       project.Rows("select name from sqlite_master where type='table' order by name")) {
    const bool rebuilt = table == "材料价格" || table == "设备汇总";
    std::string columns = rebuilt ? "(上级编号=0)" : "";
    for (const std::string& column :
         project.Rows("select name from pragma_table_info('" + table + "')")) {
      if (rebuilt && (column == "编号" || column == "上级编号" || column == "排序")) continue;
      if (!columns.empty()) columns += "||'|'||";
      columns += "typeof(\"" + column + "\")||':'||ifnull(quote(\"" + column + "\"),'')";
    }
    for (const std::string& row : project.Rows("select " + columns + " from \"" + table + "\"")) {
      out.push_back(table + " " + row);
    }
  }
  return out;
}

TEST(WholeProjectTest, SecondRunLeavesTheSameDatabase) {
  TestProject project;
  project.LoadSample();
  project.RunFull();
  ASSERT_TRUE(project.errors().empty()) << project.errors()[0].message << "\n"
                                        << project.errors()[0].detail;
  const std::vector<std::string> first = Snapshot(project);
  project.RunFull();
  EXPECT_TRUE(project.errors().empty());
  const std::vector<std::string> second = Snapshot(project);
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i], second[i]);
}

TEST(WholeProjectTest, MissingTableIsReportedAndLaterStepsRun) {
  TestProject project;
  project.LoadSample();
  project.Exec("drop table 分部分项单价费率费用");
  project.RunFull();
  ASSERT_FALSE(project.errors().empty());
  for (const auto& error : project.errors()) {
    EXPECT_NE(error.message.find("分部分项单价费率费用"), std::string::npos) << error.message;
    EXPECT_NE(error.detail.find("分部分项单价费率费用"), std::string::npos) << error.detail;
  }
  // The quota prices, the project fees and the serial numbers came after.
  EXPECT_NE(project.Text("select 综合单价 from 分部分项 where 编号=67"), "0.0");
  EXPECT_NE(project.Text("select 内容 from 工程档案 where 名称='工程造价'"), "0元");
  EXPECT_EQ(project.Text("select count(*) from 分部分项 where 标志='项' and 序号 is null"), "0");
}

}  // namespace
}  // namespace ftcalc
