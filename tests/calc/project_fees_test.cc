// Fee tables evaluated against the summary totals: system values, rates and
// actual values, row references resolved pass by pass, the small-project
// amount, write-back of 计算式 and 费用, and the project's cost.
#include "calc/project_fees.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/fee_table.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

using Rows = std::vector<std::string>;

class ProjectFeesTest : public ::testing::Test {
 protected:
  // A fee table: 取费索引 row `key` of kind `kind` for `specialty`.
  void AddTable(int key, const std::string& specialty, const std::string& kind, int order) {
    project_.Exec("insert into 取费索引(编号,取费专业,类别,排序) values(" + std::to_string(key) +
                  ",'" + specialty + "','" + kind + "'," + std::to_string(order) + ")");
  }

  // Texts are SQL literals or expressions.
  void AddRow(int key, const std::string& specialty, const std::string& label,
              const std::string& formula, int order, const std::string& item = "'费'") {
    project_.Exec("insert into 工程取费(主表,专业取费,顺号,项目,公式,排序) values(" +
                  std::to_string(key) + ",'" + specialty + "'," + label + "," + item + "," +
                  formula + "," + std::to_string(order) + ")");
  }

  void AddTotal(const std::string& category, const std::string& name, const std::string& amount) {
    project_.Exec("insert into 汇总合价(分类,名称,合价) values('" + category + "','" + name +
                  "'," + amount + ")");
  }

  // 顺号|计算式|费用|typeof(费用) of a table's rows in order.
  Rows Results(int key) {
    return project_.Rows("select 顺号,计算式,费用,typeof(费用) from 工程取费 where 主表=" +
                         std::to_string(key) + " order by 排序");
  }

  void Run() {
    project_.SetUpEngine();
    CalculateProjectFees(project_.Context());
  }

  TestProject project_;
};

TEST_F(ProjectFeesTest, RowReferencesResolveOneLevelPerPass) {
  AddTable(1, "路基", "专业工程", 1);
  AddTotal("路基", "分部分项直接定额费合计", "1000");
  AddTotal("路面", "分部分项直接定额费合计", "5");  // another specialty's total
  AddRow(1, "路基", "'1'", "'[系统:分部分项直接定额费合计]'", 1);
  AddRow(1, "路基", "'2'", "'<1>*[费率:管理费=10%]'", 2);
  AddRow(1, "路基", "' 3 '", "' <1>+<2> '", 3);
  Run();
  EXPECT_EQ(Results(1), (Rows{"1|1000|1000.0|real", "2|<1>*0.1|100.0|real",
                              " 3 |<1>+<2>|1100.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(ProjectFeesTest, PlusMinusReadsAsMinusAndDoubleMinusIsRejected) {
  AddTable(1, "路基", "专业工程", 1);
  AddRow(1, "路基", "'a'", "'100+-5'", 1);
  AddRow(1, "路基", "'b'", "'100--5'", 2);
  AddRow(1, "路基", "'c'", "'<a>*2'", 3);       // 95.000000*2
  AddRow(1, "路基", "'d'", "'100+<b>-<a>'", 4);  // 100+0-95.000000
  Run();
  EXPECT_EQ(Results(1), (Rows{"a|100+-5|95.0|real", "b|100--5|0.0|real",
                              "c|<a>*2|190.0|real", "d|100+<b>-<a>|5.0|real"}));
}

TEST_F(ProjectFeesTest, CyclesUnknownLabelsAndOverflowsGiveZero) {
  AddTable(1, "路基", "专业工程", 1);
  AddRow(1, "路基", "'x'", "'<y>+1'", 1);
  AddRow(1, "路基", "'y'", "'<x>+1'", 2);
  AddRow(1, "路基", "'z'", "'<无>*2'", 3);
  AddRow(1, "路基", "'w'", "'7'", 4);
  AddRow(1, "路基", "'v'", "'1E999'", 5);  // beyond the double range: 0
  Run();
  EXPECT_EQ(Results(1), (Rows{"x|<y>+1|0.0|real", "y|<x>+1|0.0|real", "z|<无>*2|0.0|real",
                              "w|7|7.0|real", "v|1E999|0.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
}

// Row i refers to row i-1, so row i resolves in pass i: row 50 still does,
// row 51 would need a 51st pass.
TEST_F(ProjectFeesTest, ChainLongerThanFiftyPassesLeavesItsTopAtZero) {
  AddTable(1, "路基", "专业工程", 1);
  AddRow(1, "路基", "'0'", "'1'", 0);
  for (int i = 1; i <= 51; ++i) {
    AddRow(1, "路基", "'" + std::to_string(i) + "'", "'<" + std::to_string(i - 1) + ">+1'", i);
  }
  Run();
  EXPECT_EQ(project_.Text("select 费用 from 工程取费 where 顺号='50'"), "51.0");
  EXPECT_EQ(project_.Text("select 费用 from 工程取费 where 顺号='51'"), "0.0");
}

TEST(ResolveRowReferencesTest, SnapshotHoldsTheValuesKnownAtThePassStart) {
  // Listed top-down, b needs a's value, which is only computed in pass 1:
  // a resolves in pass 1 and b in pass 2, both within the limit.
  std::vector<FeeRow> rows = {{"<b>", "<a>*2"}, {"<a>", "<c>+1"}, {"<c>", "3"}};
  KnownValues known;
  AddFirstValues(rows, known);
  ASSERT_EQ(known.size(), 1u);
  const std::vector<std::string> resolved = ResolveRowReferences(rows, known);
  EXPECT_EQ(resolved, (std::vector<std::string>{"4.000000*2", "3+1", "3"}));
  ASSERT_EQ(known.size(), 3u);
  EXPECT_EQ(known.name(1), "<a>");
  EXPECT_EQ(known.value(1), "4.000000");
  EXPECT_EQ(known.name(2), "<b>");
  EXPECT_EQ(known.value(2), "8.000000");
}

TEST(ResolveRowReferencesTest, FirstValueOfARepeatedLabelCounts) {
  std::vector<FeeRow> rows = {{"<1>", "5"}, {"<1>", "6"}, {"<2>", "<1>+1"}};
  KnownValues known;
  AddFirstValues(rows, known);
  ResolveRowReferences(rows, known);
  ASSERT_EQ(known.size(), 2u);
  EXPECT_EQ(known.value(0), "5");
  EXPECT_EQ(known.value(1), "6.000000");
}

TEST_F(ProjectFeesTest, SmallProjectAmountDependsOnTheThreshold) {
  AddTable(1, "小", "专业工程", 1);
  AddTable(2, "大", "专业工程", 2);
  AddTotal("小", "分部分项直接定额费合计", "400");
  AddTotal("大", "分部分项直接定额费合计", "600");
  project_.Exec("insert into 工程档案(名称,内容) values('小型工程≤','500')");
  AddRow(1, "小", "'1'", "'[系统:小型工程]*2'", 1);
  AddRow(2, "大", "'1'", "'[系统:小型工程]*2'", 1);
  Run();
  EXPECT_EQ(Results(1), (Rows{"1|500*2|1000.0|real"}));
  EXPECT_EQ(Results(2), (Rows{"1|0*2|0.0|real"}));

  // Without a positive threshold even the small cost gives 0.
  project_.Exec("update 工程档案 set 内容='无' where 名称='小型工程≤';"
                "update 工程取费 set 计算式=NULL,费用=NULL");
  CalculateProjectFees(project_.Context());
  EXPECT_EQ(Results(1), (Rows{"1|0*2|0.0|real"}));
}

TEST_F(ProjectFeesTest, ProjectTotalGivesProjectCostAndUnitCost) {
  AddTable(7, "工程总价", "工程总价", 9);
  AddTotal("工程总价", "建安费", "900");
  AddTotal("路基", "建安费", "1");  // not the project total's category
  AddRow(7, "工程总价", "'1'", "'[系统:建安费]'", 1);
  AddRow(7, "工程总价", "'2'", "'[实际:运费=87.650]+[系统:小型工程]'", 2);
  AddRow(7, "工程总价", "'3'", "'<1>+<2>'", 3, "'工程总价'");
  project_.Exec("insert into 工程档案(名称,内容) values('工程造价','旧'),('单方造价','旧'),"
                "('建筑面积','4')");
  Run();
  // The actual value is pasted as written, and with it every other bracketed
  // reference left goes to 0 (the project total has no small-project rule).
  // 900 + 87.65 = 987.65; 987.65 / 4 = 246.9125 -> 246.91.
  EXPECT_EQ(Results(7), (Rows{"1|900|900.0|real", "2|87.650+0|87.65|real",
                              "3|<1>+<2>|987.65|real"}));
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='工程造价'"), "987.65元");
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='单方造价'"), "246.91元");

  project_.Exec("update 工程档案 set 内容='-1' where 名称='建筑面积'");
  CalculateProjectFees(project_.Context());
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='单方造价'"), "0元");
}

TEST_F(ProjectFeesTest, WithoutProjectTotalTableTheCostIsNotWritten) {
  AddTable(1, "路基", "专业工程", 1);
  AddRow(1, "路基", "'1'", "'2*3'", 1);
  project_.Exec("insert into 工程档案(名称,内容) values('工程造价','旧')");
  Run();
  EXPECT_EQ(Results(1), (Rows{"1|2*3|6.0|real"}));
  EXPECT_EQ(project_.Text("select 内容 from 工程档案 where 名称='工程造价'"), "旧");
}

TEST_F(ProjectFeesTest, QuotesInNamesLabelsAndFormulasAreData) {
  AddTable(1, "桥''梁", "专业工程", 1);
  AddTotal("桥''梁", "x''y", "10");
  AddRow(1, "桥''梁", "'1'''", "'[系统:x''y]*2'", 1);
  AddRow(1, "桥''梁", "'2'", "'<1''>+1'", 2);
  AddRow(1, "桥''梁", "'3'", "'5'''", 3);  // rejected by the check: 0
  Run();
  EXPECT_EQ(Results(1), (Rows{"1'|10*2|20.0|real", "2|<1'>+1|21.0|real", "3|5'|0.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(ProjectFeesTest, FormulaWithLineBreakStaysOneRow) {
  AddTable(1, "路基", "专业工程", 1);
  AddRow(1, "路基", "'1'", "'100' || char(13,10) || '*2'", 1);
  AddRow(1, "路基", "'2'", "'<1>' || char(10) || '+5'", 2);
  Run();
  EXPECT_EQ(Results(1),
            (Rows{"1|100\r\n*2|200.0|real", "2|<1>\n+5|205.0|real"}));
}

}  // namespace
}  // namespace ftcalc
