// The partial recalculation after a local edit: the edited row, its bill
// item and every heading above it end as a full calculation of the edited
// project leaves them, and no other row changes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "calc/bill_items.h"
#include "calc/quota_summary.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

// Every row of 分部分项 by 编号, all columns with their storage classes.
std::map<std::string, std::string> TreeRows(TestProject& project) {
  std::vector<std::string> columns =
      project.Rows("select name from pragma_table_info('分部分项') order by cid");
  std::string select = "select 编号";
  for (const std::string& c : columns) select += ",quote(" + c + ")";
  std::map<std::string, std::string> rows;
  for (const std::string& row : project.Rows(select + " from 分部分项")) {
    const size_t bar = row.find('|');
    rows[row.substr(0, bar)] = row.substr(bar + 1);
  }
  return rows;
}

// The row and its ancestors, bottom-up.
std::vector<std::string> PathUp(TestProject& project, std::string id) {
  std::vector<std::string> path;
  while (id != "" && id != "0" && path.size() < 20) {
    path.push_back(id);
    id = project.Text("select 上级编号 from 分部分项 where 编号=" + id);
  }
  return path;
}

// A small tree priced by the two roll-up steps alone, so that the bill item
// path does not depend on the quota cost steps: chapter 1 > section 2 >
// items 3 (quotas 4, 5) and 6 (quota 7); chapter 10 > item 11 > quota 12.
void BuildSmallTree(TestProject& project) {
  project.Exec(
      "insert into 工程档案(名称,内容) values('计价方式','清单法');"
      "insert into 参数(名称,内容) values('价格小数位','2');"
      "insert into RoadLib.计算设置(编号,上级编号,名称,内容) values(1,0,'向上汇总',"
      "'分部分项=合价_人工费,综合合价');"
      "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,计算) values"
      "(1,0,'级1','第200章 路基',1,0,0),(2,1,'级2','挖方',2,0,0),(3,2,'项','挖土方',3,2,0),"
      "(6,2,'项','挖石方',6,1,0),(10,0,'级1','第300章 路面',10,0,0),(11,10,'项','垫层',11,5,0);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费,单价_材料费,合价_人工费,"
      "综合单价,综合合价) values(4,3,'定额',4,1.5,10.01,2,15.02,12.01,18.02),"
      "(5,3,'定额',5,3,1.105,0,3.32,1.105,3.32),(7,6,'定额',7,2,4,4,8,8,16),"
      "(12,11,'定额',12,1,9,1,9,10,10);");
  project.SetUpEngine();
  RollUpBillItems(project.Context(), "0");
  RollUpQuotaSummary(project.Context(), "0");
}

// What the quota steps would write for quota 4 after its labour doubled.
const char kQuotaEdit[] =
    "update 分部分项 set 单价_人工费=20.02,合价_人工费=30.03,综合单价=22.02,综合合价=33.03 "
    "where 编号=4";

TEST(PartialRecalcTest, BillItemEditMatchesAFullRollUp) {
  TestProject partial;
  BuildSmallTree(partial);
  partial.Exec(kQuotaEdit);
  const auto before = TreeRows(partial);
  partial.Recalc(3);

  TestProject full;
  BuildSmallTree(full);
  full.Exec(kQuotaEdit);
  full.Exec("update 分部分项 set 计算=0 where 编号=3");  // as the fee step marks it
  RollUpBillItems(full.Context(), "0");
  RollUpQuotaSummary(full.Context(), "0");

  EXPECT_EQ(TreeRows(partial), TreeRows(full));
  // Item 3: 人工 20.02*1.5 + 1.105*3 = 33.345 -> 33.35 (half up), / 2 = 16.675
  // -> 16.68; 材料 3 / 2 = 1.5; 综合单价 18.18, 综合合价 36.36.
  EXPECT_EQ(partial.Rows("select 单价_人工费,单价_材料费,综合合价 from 分部分项 where 编号=3"),
            (std::vector<std::string>{"16.68|1.5|36.36"}));
  // Only the item and the headings above it changed.
  const auto after = TreeRows(partial);
  std::set<std::string> changed;
  for (const auto& [id, row] : after) {
    if (before.at(id) != row) changed.insert(id);
  }
  EXPECT_EQ(changed, (std::set<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(partial.errors().empty());
}

// Through both exports on the sample: a material line of one quota is
// edited in a built project; the partial recalculation of that quota must
// leave the quota, its item and its headings as a full calculation of the
// edited project does, and change nothing outside them but what a full
// calculation changes too (the general chapter's percentage items follow
// the base of the whole project). Until the quota steps price material
// lines this holds trivially.
TEST(PartialRecalcTest, MaterialLineEditMatchesAFullCalculation) {
  const char kEdit[] =
      "update 分部分项材料明细 set 实际量=实际量*2+0.125 where rowid=(select min(rowid) from "
      "分部分项材料明细 where 主表=26)";
  const std::string quota = "26";

  TestProject partial;
  partial.LoadSample();
  partial.RunFull();
  partial.Exec(kEdit);
  const auto before = TreeRows(partial);
  partial.ClearErrors();
  partial.Recalc(26);
  EXPECT_TRUE(partial.errors().empty()) << partial.errors()[0].message;

  TestProject full;
  full.LoadSample();
  full.RunFull();
  full.Exec(kEdit);
  full.RunFull();

  const auto after = TreeRows(partial);
  const auto expected = TreeRows(full);
  const std::vector<std::string> path = PathUp(partial, quota);
  ASSERT_EQ(path.size(), 5u);  // quota, item, 级3, 级2, 级1
  for (const std::string& id : path) {
    EXPECT_EQ(after.at(id), expected.at(id)) << "row " << id;
  }
  // The general chapter: rows before the next chapter heading.
  const std::string next_chapter = partial.Text(
      "select 排序 from 分部分项 where 标志='级1' and 排序>(select 排序 from 分部分项 where "
      "名称='第100章 总则') order by 排序 limit 1");
  std::set<std::string> general_items;
  for (const std::string& id : partial.Rows("select 编号 from 分部分项 where 标志='项' and 排序<" +
                                            next_chapter)) {
    general_items.insert(id);
  }
  const std::set<std::string> on_path(path.begin(), path.end());
  for (const auto& [id, row] : after) {
    if (on_path.count(id)) continue;
    if (general_items.count(id)) {
      EXPECT_EQ(row, expected.at(id)) << "general chapter item " << id;
    } else {
      EXPECT_EQ(row, before.at(id)) << "row " << id << " changed";
    }
  }
}

}  // namespace
}  // namespace ftcalc
