// Roll-up of the configured columns through the headings: the whole-project
// pass (innermost headings first), the walk up from one row, mixed headings
// under 清单法 and the heading unit price under other methods.
#include "calc/quota_summary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/number_text.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class QuotaSummaryTest : public ::testing::Test {
 protected:
  // `columns`: the value of the 分部分项 line of the 向上汇总 setting.
  void SetUpEngine(const std::string& method, const std::string& columns) {
    project_.Exec("insert into 工程档案(名称,内容) values('计价方式','" + method +
                  "');"
                  "insert into 参数(名称,内容) values('价格小数位','2');"
                  "insert into RoadLib.计算设置(编号,上级编号,名称,内容) values(1,0,'向上汇总',"
                  "'计日工=综合合价' || char(13,10) || '分部分项=" + columns + "');");
    project_.SetUpEngine();
  }

  std::string Row(int id, const std::string& columns) {
    auto rows = project_.Rows("select " + columns + " from 分部分项 where 编号=" + std::to_string(id));
    return rows.empty() ? "missing" : rows[0];
  }

  TestProject project_;
};

TEST_F(QuotaSummaryTest, HeadingGetsRoundedTotalsOfItsChildren) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,合价_人工费,综合合价,综合单价) values"
      "(1,0,'级2',1,0,NULL,NULL,NULL),(2,1,'项',2,1,1,10.25,9),(3,1,'项',3,1,2,5.125,9);");
  SetUpEngine("清单法", "合价_人工费,综合合价");
  RollUpQuotaSummary(project_.Context(), "0");
  // 10.25 + 5.125 = 15.375, half up to 15.38; 综合单价 is no roll-up column.
  EXPECT_EQ(Row(1, "合价_人工费,综合合价,计算,综合单价,typeof(合价_人工费)"), "3.0|15.38|1|NULL|real");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(QuotaSummaryTest, InnermostHeadingsFirstAndEveryKindOfChildCounts) {
  // 1 chapter > 2 section > items 3, 4; the chapter also holds item 5, a
  // description row 6 and a '式' row 7. Heading 8 has no children.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,综合合价) values"
      "(1,0,'级1',1,0,NULL),(2,1,'级2',2,0,999),(3,2,'项',3,1,100),(4,2,'项',4,1,20.5),"
      "(5,1,'项',5,1,1),(6,1,'描述',6,1,0.25),(7,1,'式',7,1,'3abc'),(8,0,'级1',8,0,42);");
  SetUpEngine("清单法", "综合合价");
  RollUpQuotaSummary(project_.Context(), "0");
  EXPECT_EQ(Row(2, "综合合价,计算"), "120.5|1");
  // 120.5 + 1 + 0.25 + 3 (a text counts as its leading number).
  EXPECT_EQ(Row(1, "综合合价,计算"), "124.75|1");
  EXPECT_EQ(Row(8, "综合合价,计算"), "42.0|0");
}

TEST_F(QuotaSummaryTest, MixedLevelTwoHeadingEndsWithItsQuotasOnly) {
  // 2 (级2) holds quota 3 and item 4; 5 (级3) holds only items; 1 (级1)
  // holds quota 6 and heading 2 but is of no mixed kind.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,合价_人工费,综合合价) values"
      "(1,0,'级1',1,0,NULL,NULL),(2,1,'级2',2,0,NULL,NULL),(3,2,'定额',3,0,1,7),"
      "(4,2,'项',4,1,10,100),(5,1,'级3',5,0,NULL,NULL),(6,1,'定额',6,0,2,20),"
      "(7,5,'项',7,1,3,30);");
  SetUpEngine("清单法", "合价_人工费,综合合价");
  RollUpQuotaSummary(project_.Context(), "0");
  EXPECT_EQ(Row(2, "合价_人工费,综合合价,计算"), "1.0|7.0|1");
  EXPECT_EQ(Row(5, "合价_人工费,综合合价"), "3.0|30.0");
  // The chapter was summed before: it holds heading 2's all-children total.
  EXPECT_EQ(Row(1, "合价_人工费,综合合价"), "16.0|157.0");
}

TEST_F(QuotaSummaryTest, MixedHeadingsAreOnlyAThingOfBillPricing) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,工程量,综合合价,综合单价) values"
      "(2,0,'级2',2,0,2,NULL,NULL),(3,2,'定额',3,0,1,7,7),(4,2,'项',4,1,1,100,100);");
  SetUpEngine("定额法", "综合合价");
  RollUpQuotaSummary(project_.Context(), "0");
  // 107 over quantity 2.
  EXPECT_EQ(Row(2, "综合合价,综合单价"), "107.0|53.5");
}

TEST_F(QuotaSummaryTest, HeadingUnitPriceOutsideBillPricing) {
  // No roll-up columns: only the unit prices are written, to 2 decimals.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,综合合价,综合单价) values"
      "(1,0,'级1',1,0,100,NULL),(2,0,'级2',2,3,100,NULL),(3,0,'式',3,NULL,NULL,5),"
      "(4,0,'项',4,3,100,9),(5,0,'描述',5,3,100,9);");
  SetUpEngine("定额法", "");
  RollUpQuotaSummary(project_.Context(), "0");
  EXPECT_EQ(Row(1, "综合单价"), "100.0");
  EXPECT_EQ(Row(2, "综合单价"), "33.33");
  EXPECT_EQ(Row(3, "综合单价"), "0.0");
  EXPECT_EQ(Row(4, "综合单价"), "9.0");
  EXPECT_EQ(Row(5, "综合单价"), "9.0");
}

TEST_F(QuotaSummaryTest, BillPricingLeavesHeadingUnitPricesAlone) {
  project_.Exec("insert into 分部分项(编号,上级编号,标志,排序,工程量,综合合价,综合单价) values"
                "(1,0,'级1',1,3,100,NULL);");
  SetUpEngine("清单法", "");
  RollUpQuotaSummary(project_.Context(), "0");
  EXPECT_EQ(Row(1, "综合单价"), "NULL");
}

TEST_F(QuotaSummaryTest, WalkUpSumsTheRowAndItsAncestorsOnly) {
  // 1 > 2 > item 3 > quotas 4, 5; sibling heading 6 > item 7; item 8 has no
  // children.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,合价_人工费,综合合价) values"
      "(1,0,'级1',1,0,NULL,NULL),(2,1,'级2',2,0,NULL,NULL),(3,2,'项',3,0,NULL,50),"
      "(4,3,'定额',4,0,1.5,10),(5,3,'定额',5,0,2.25,20),(6,1,'级2',6,0,NULL,77),"
      "(7,6,'项',7,1,9,9),(8,2,'项',8,1,0,5);");
  SetUpEngine("清单法", "合价_人工费,综合合价");
  const auto before = project_.Rows("select * from 分部分项");
  RollUpQuotaSummary(project_.Context(), "8");
  EXPECT_EQ(project_.Rows("select * from 分部分项"), before);

  RollUpQuotaSummary(project_.Context(), "3");
  EXPECT_EQ(Row(3, "合价_人工费,综合合价,计算"), "3.75|30.0|1");
  EXPECT_EQ(Row(2, "合价_人工费,综合合价,计算"), "3.75|35.0|1");
  // The chapter sums its children as they stand, 6 included unsummed.
  EXPECT_EQ(Row(1, "合价_人工费,综合合价,计算"), "3.75|112.0|1");
  EXPECT_EQ(Row(6, "合价_人工费,综合合价,计算"), "NULL|77.0|0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(QuotaSummaryTest, WalkUpStopsOnACycle) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,综合合价) values"
      "(1,2,'级1',1,0,1),(2,1,'级2',2,0,2);");
  SetUpEngine("清单法", "综合合价");
  RollUpQuotaSummary(project_.Context(), "1");
  // 1 takes 2's value, then 2 takes 1's new value, and the walk meets 1 again.
  EXPECT_EQ(Row(1, "综合合价"), "2.0");
  EXPECT_EQ(Row(2, "综合合价"), "2.0");
}

// The walk reads the children of every row on its way up at once; a mixed
// level-2 heading on the way ends with its quotas' totals, and the chapter
// above it sums the all-children totals it was given first.
TEST_F(QuotaSummaryTest, WalkUpThroughAMixedHeadingSumsEachLevelOnce) {
  // 1 级1 > 2 级2 > {item 3 > quotas 4, 5; quota 6; item 7}; 1 also holds
  // item 8. Starting from 3.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算,综合合价) values"
      "(1,0,'级1',1,0,NULL),(2,1,'级2',2,0,NULL),(3,2,'项',3,0,1),"
      "(4,3,'定额',4,0,10.125),(5,3,'定额',5,0,0.25),(6,2,'定额',6,0,4.5),"
      "(7,2,'项',7,1,'2.5x'),(8,1,'项',8,1,100);");
  SetUpEngine("清单法", "综合合价");
  EngineContext& ctx = project_.Context();
  RollUpQuotaSummary(ctx, "3");
  // 3: 10.125 + 0.25 = 10.375, half up 10.38.
  EXPECT_EQ(Row(3, "综合合价,计算"), "10.38|1");
  // 1: 2's all-children total 10.38 + 4.5 + 2.5 = 17.38, plus 100.
  EXPECT_EQ(Row(1, "综合合价,计算"), "117.38|1");
  // 2 ends with its quota 6 only.
  EXPECT_EQ(Row(2, "综合合价,计算"), "4.5|1");
  EXPECT_TRUE(project_.errors().empty());
  if (ctx.options.fast_paths) {
    EXPECT_TRUE(ctx.declined_fast_paths.empty());
  }
}

TEST_F(QuotaSummaryTest, UnknownColumnIsReportedForEachHeadingAndTheStepGoesOn) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,综合合价,综合单价) values"
      "(1,0,'级1',1,1,10,NULL),(2,1,'级2',2,4,10,NULL),(3,2,'项',3,1,10,10);");
  SetUpEngine("定额法", "综合合价,没有此列");
  RollUpQuotaSummary(project_.Context(), "0");
  // Per heading: the sum query and the update built from its empty result.
  EXPECT_EQ(project_.errors().size(), 4u);
  EXPECT_EQ(Row(2, "综合合价,综合单价"), "10.0|2.5");
}

// The sums formed while walking every heading equal what SQLite's own
// total() gives over each heading's children, on values whose double sums
// depend on the order of addition.
TEST_F(QuotaSummaryTest, WholeProjectSumsMatchSqliteTotalExactly) {
  std::mt19937 random(20240520);
  std::string sql =
      "insert into 分部分项(编号,上级编号,标志,排序,计算,合价_人工费,综合合价) values"
      "(1,0,'级1',1,0,NULL,NULL)";
  int id = 1;
  std::vector<int> headings = {1};
  for (int h = 0; h < 30; ++h) {
    const int heading = ++id;
    const int parent = headings[random() % headings.size()];
    sql += ",(" + std::to_string(heading) + "," + std::to_string(parent) + ",'级2'," +
           std::to_string(heading) + ",0,NULL,NULL)";
    headings.push_back(heading);
  }
  for (int i = 0; i < 600; ++i) {
    const int item = ++id;
    const int parent = headings[random() % headings.size()];
    char value[64];
    // Three decimals ending in 5, and large magnitudes: sums land on halves.
    std::snprintf(value, sizeof value, "%d.%03d5", static_cast<int>(random() % 2000000) - 5000,
                  static_cast<int>(random() % 1000));
    const std::string other = i % 97 == 0 ? "'12.5x'" : i % 89 == 0 ? "NULL" : "0.1";
    sql += ",(" + std::to_string(item) + "," + std::to_string(parent) + ",'项'," +
           std::to_string(1000 - i) + ",1," + other + "," + value + ")";
  }
  project_.Exec(sql);
  SetUpEngine("清单法", "合价_人工费,综合合价");
  RollUpQuotaSummary(project_.Context(), "0");
  // FtRou(total(C),2) as SQLite would give it: total's text form, read back
  // and rounded half up.
  int compared = 0;
  for (int heading : headings) {
    const std::string h = std::to_string(heading);
    for (const std::string column : {"合价_人工费", "综合合价"}) {
      const std::string total = project_.Text("select printf('%!.15g',total(" + column +
                                              ")) from 分部分项 where 上级编号=" + h);
      const double expected = RoundHalfUp(2, CAtof(total));
      const double stored = project_.Number("select " + column + " from 分部分项 where 编号=" + h);
      if (project_.Text("select count(*) from 分部分项 where 上级编号=" + h) == "0") continue;
      EXPECT_EQ(stored, expected) << "heading " << h << " " << column << " total " << total;
      ++compared;
    }
  }
  EXPECT_GT(compared, 40);
  EXPECT_TRUE(project_.errors().empty());
}

}  // namespace
}  // namespace ftcalc
