// The unit-price fee breakdown of quota rows: resolution of row references,
// rounding, basis, zeroing rule, column writes, component record and the
// parent mark.
#include "calc/unit_price_fees.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;
using Line = std::tuple<std::string, std::string, std::string>;  // 顺号, 项目, 公式

class UnitPriceFeesTest : public ::testing::Test {
 protected:
  UnitPriceFeesTest() {
    project_.Exec(
        "insert into 分部分项(编号,上级编号,标志,排序,计算) values(1,0,'项',0,1),(2,0,'级2',0,1);");
  }

  void AddQuota(int id, double quantity, int parent = 1, int calculated = 0) {
    project_.Exec("insert into 分部分项(编号,上级编号,标志,排序,工程量,计算) values(" +
                  std::to_string(id) + "," + std::to_string(parent) + ",'定额'," +
                  std::to_string(id) + "," + std::to_string(quantity) + "," +
                  std::to_string(calculated) + ")");
  }

  void AddSheet(int item, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
      project_.Exec("insert into 分部分项取费明细(主表,顺号,项目,公式) values(" +
                    std::to_string(item) + ",'" + std::get<0>(line) + "','" + std::get<1>(line) +
                    "','" + std::get<2>(line) + "')");
    }
  }

  // Runs the step alone on the whole project (or one item), deciding as the
  // engine does: by its fast path unless FTCALC_PLAIN asks for the plain
  // statements or a trigger keeps the fast paths away.
  void Run(const std::string& item = "0", const std::string& tags = "") {
    project_.SetUpEngine();
    EngineContext& ctx = project_.Context();
    const bool has_trigger =
        project_.Text("select count(*) from sqlite_master where type='trigger'") != "0";
    if (!TryFastPath(ctx, "定额人材机", [&] {
          return CalculateUnitPriceFeesFast(ctx, item, tags, nullptr);
        })) {
      EXPECT_TRUE(!ctx.options.fast_paths || has_trigger) << "the fast path declined";
      CalculateUnitPriceFeesPlain(ctx, item, tags);
    }
  }

  std::string Column(int id, const std::string& column) {
    return project_.Text("select " + column + " from 分部分项 where 编号=" + std::to_string(id));
  }

  TestProject project_;
};

const char kDirectCosts[] = "[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]";

// The example of a three-line sheet, through the export: labour 50 x 2,
// material 50 and machine 30.25 make 180.25; 5% of it is 9.0125 -> 9.01;
// the unit price is 189.26, and for 4 units 757.04.
TEST_F(UnitPriceFeesTest, ThreeLineSheetThroughFullCalculation) {
  project_.Exec(
      "insert into 其他.材料标志(编号,名称) values(1,'人工'),(2,'材料'),(3,'机械');"
      "insert into 分部分项材料明细(主表,上级编号,标志,基价,信息价,实际量) values"
      "(10,0,1,50,0,2),(10,0,2,50,0,1),(10,0,3,30.25,0,1);");
  AddQuota(10, 4);
  AddSheet(10, {{"1", "直接费", kDirectCosts},
                {"2", "管理费", "<1>*[费率:管理费=5%]"},
                {"3", "综合单价", "<1>+<2>"}});
  project_.RunFull();

  EXPECT_EQ(Column(10, "综合单价"), "189.26");
  EXPECT_EQ(Column(10, "综合合价"), "757.04");
  EXPECT_EQ(Column(10, "直接费"), "180.25");
  EXPECT_EQ(Column(10, "管理费"), "9.01");
  EXPECT_EQ(Column(10, "单价_人工费"), "100.0");
  EXPECT_EQ(project_.Type("select 综合合价 from 分部分项 where 编号=10"), "real");
  // No lines 2.1 to 4.5: a record of zeros.
  EXPECT_EQ(project_.Rows("select * from 分部分项单价费率费用"),
            std::vector<std::string>{"10|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|"
                                     "0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0"});
}

TEST_F(UnitPriceFeesTest, NegativeValuesAndForwardReferencesResolve) {
  AddQuota(10, 2);
  AddSheet(10, {{"1", "其他费用", "5*<2>"},   // 5*(-12.5): unwrapped, 5*-12.5 is rejected
                {"2", "规费", "-12.5"},
                {"3", "利润", "<4>+1"},       // needs a second pass
                {"4", "间接费", "<5>*2"},
                {"5", "增值税", "10"},
                {"6", "综合单价", "<3>+<1>"},  // 21 + (-62.5)
                {"7", "不是列", "99"}});
  Run();
  EXPECT_EQ(Column(10, "其他费用"), "-62.5");
  EXPECT_EQ(Column(10, "规费"), "-12.5");
  EXPECT_EQ(Column(10, "利润"), "21.0");
  EXPECT_EQ(Column(10, "间接费"), "20.0");
  EXPECT_EQ(Column(10, "综合单价"), "-41.5");
  EXPECT_EQ(Column(10, "综合合价"), "-83.0");
  EXPECT_TRUE(project_.errors().empty());
}

// Line k refers to line k+1, the last line is 1: the substitution before the
// passes settles the next-to-last line and each pass one more. Twelve lines
// resolve within 10 passes (line 1 is left as the text 11+1, evaluated when
// read); with thirteen, line 1 still refers to line 2 and counts as 0.
TEST_F(UnitPriceFeesTest, ReferenceChainBeyondTenPassesCountsAsZero) {
  for (int lines : {12, 13}) {
    const int id = 10 + lines;
    AddQuota(id, 1);
    std::vector<Line> sheet;
    for (int k = 1; k < lines; ++k) {
      sheet.emplace_back(std::to_string(k), k == 1 ? "综合单价" : k == 2 ? "管理费" : "x",
                         "<" + std::to_string(k + 1) + ">+1");
    }
    sheet.emplace_back(std::to_string(lines), "x", "1");
    AddSheet(id, sheet);
  }
  project_.Exec("update 分部分项 set 单价_人工费=8");
  Run();
  EXPECT_EQ(Column(22, "综合单价"), "12.0");
  EXPECT_EQ(Column(23, "综合单价"), "0.0");
  EXPECT_EQ(Column(23, "管理费"), "12.0");      // 11+1, written after the zeroing
  EXPECT_EQ(Column(23, "单价_人工费"), "0.0");  // zeroed: no price, has material lines
  EXPECT_EQ(Column(22, "单价_人工费"), "8.0");
}

TEST_F(UnitPriceFeesTest, FirstDecisiveSheetSetsTotalBasisForTheCall) {
  // 10: total line first -> total basis; markers read the totals.
  AddQuota(10, 3);
  AddSheet(10, {{"1", "直接费", "[系统:直接人工费合计]"}, {"2", "综合合价", "<1>*1.1"}});
  // 11: a unit sheet, but the basis holds: its marker reads 合价_人工费.
  AddQuota(11, 5);
  AddSheet(11, {{"1", "综合单价", "[系统:直接人工费合计]"}});
  // 12: total line, no quantity.  13: both lines, the total decides.
  AddQuota(12, 0);
  AddSheet(12, {{"1", "合价", "20"}, {"2", "x", "1"}});
  AddQuota(13, 4);
  AddSheet(13, {{"1", "单价", "7"}, {"2", "合价", "20"}});
  project_.Exec(
      "update 分部分项 set 单价_人工费=100,合价_人工费=300 where 编号=10;"
      "update 分部分项 set 单价_人工费=10,合价_人工费=50 where 编号=11;");
  Run();
  EXPECT_EQ(Column(10, "直接费"), "300.0");
  EXPECT_EQ(Column(10, "综合合价"), "330.0");
  EXPECT_EQ(Column(10, "综合单价"), "110.0");
  EXPECT_EQ(Column(11, "综合单价"), "50.0");
  EXPECT_EQ(Column(11, "综合合价"), "250.0");
  EXPECT_EQ(Column(12, "综合合价"), "20.0");
  EXPECT_EQ(Column(12, "综合单价"), "0.0");
  EXPECT_EQ(Column(13, "综合合价"), "20.0");
  EXPECT_EQ(Column(13, "综合单价"), "5.0");
}

// The rows are walked in 排序 order (ties in rowid order), which decides
// the basis: NULL first, numbers by value, texts after numbers.
TEST_F(UnitPriceFeesTest, RowsAreWalkedInSortOrder) {
  struct Case {
    const char* order20;
    const char* order21;
    const char* unit21;  // 7 when 21 comes first (unit basis), else 5
  };
  const Case cases[] = {{"3", "2.5", "7.0"},   {"NULL", "2", "5.0"}, {"2", "2", "5.0"},
                        {"'b'", "'a'", "7.0"}, {"5", "'a'", "5.0"},  {"3", "-1e300", "7.0"}};
  for (const Case& c : cases) {
    project_.Exec("delete from 分部分项 where 编号>=20; delete from 分部分项取费明细");
    AddQuota(20, 4);
    AddSheet(20, {{"1", "合价", "20"}});
    AddQuota(21, 4);
    AddSheet(21, {{"1", "单价", "7"}, {"2", "合价", "20"}});
    project_.Exec(std::string("update 分部分项 set 排序=") + c.order20 + " where 编号=20;" +
                  "update 分部分项 set 排序=" + c.order21 + " where 编号=21");
    Run();
    EXPECT_EQ(Column(21, "综合单价"), c.unit21) << c.order20 << " " << c.order21;
  }
}

// An own sheet's lines come in 编号 order, ties in rowid order: NULL first,
// numbers by value, texts after numbers. Here the order decides the basis:
// the unit line first prices 7 a unit, the total line first 20 in all.
TEST_F(UnitPriceFeesTest, OwnSheetLinesComeInTheirOrder) {
  struct Case {
    const char* unit_line_order;
    const char* total_line_order;
    const char* unit;
  };
  const Case cases[] = {{"2", "1", "5.0"},    {"1", "1", "7.0"},   {"NULL", "1", "7.0"},
                        {"2.5", "2", "5.0"},  {"'x'", "1", "5.0"}, {"-3", "'a'", "7.0"},
                        {"1", "NULL", "5.0"}};
  for (const Case& c : cases) {
    project_.Exec("delete from 分部分项 where 编号>=20; delete from 分部分项取费明细");
    AddQuota(20, 4);
    project_.Exec(std::string("insert into 分部分项取费明细(编号,主表,顺号,项目,公式) values(") +
                  c.unit_line_order + ",20,'1','单价','7'),(" + c.total_line_order +
                  ",20,'2','合价','20')");
    Run();
    EXPECT_EQ(Column(20, "综合单价"), c.unit) << c.unit_line_order << " " << c.total_line_order;
  }
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(UnitPriceFeesTest, UnitBasisWithBothLinesTakesTheUnitLine) {
  AddQuota(13, 4);
  AddSheet(13, {{"1", "单价", "7"}, {"2", "合价", "20"}});
  Run();
  EXPECT_EQ(Column(13, "综合单价"), "7.0");
  EXPECT_EQ(Column(13, "综合合价"), "28.0");
}

TEST_F(UnitPriceFeesTest, SingleLineSheetRoundsAndZeroesDirectCosts) {
  AddQuota(10, 3);
  AddSheet(10, {{"1", "综合单价", "123.456"}});
  AddQuota(11, 3);  // without material lines: its unit costs stay
  AddSheet(11, {{"1", "综合单价", "123.456"}});
  project_.Exec("update 分部分项 set 单价_人工费=5,合价_人工费=15,直接费=4,利润=3");
  Run("0", "[11]");
  EXPECT_EQ(Column(10, "综合单价"), "123.46");
  EXPECT_EQ(Column(10, "综合合价"), "370.38");
  EXPECT_EQ(Column(10, "单价_人工费"), "0.0");
  EXPECT_EQ(Column(10, "合价_人工费"), "0.0");
  EXPECT_EQ(Column(10, "利润"), "0.0");
  EXPECT_EQ(Column(11, "单价_人工费"), "5.0");
  EXPECT_EQ(Column(11, "直接费"), "0.0");
}

TEST_F(UnitPriceFeesTest, LinesNamedAfterCostsOverrideTheirColumns) {
  AddQuota(10, 1);
  AddSheet(10, {{"1", "人工费", "12.345"}, {"2", "管理费", "<1>*2"}, {"3", "综合单价", "<2>"}});
  Run();
  EXPECT_EQ(Column(10, "单价_人工费"), "12.35");
  EXPECT_EQ(Column(10, "管理费"), "24.7");
  EXPECT_EQ(Column(10, "综合单价"), "24.7");
}

TEST_F(UnitPriceFeesTest, StandardSheetOfTheProfessionIsUsedWithoutOwnSheet) {
  project_.Exec(
      "insert into 取费索引(编号,取费专业,类别) values(5,'O''Brien','综合单价'),(6,'O''Brien','专业工程');"
      "insert into 工程取费(主表,顺号,项目,公式,排序) values(5,'2','综合单价','<1>+1',2),"
      "(5,'1','直接费','[系统:直接人工费合计]',1),(6,'1','综合单价','999',1);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,单价取费,单价_人工费) values"
      "(10,1,'定额',1,2,0,'O''Brien',10),(11,1,'定额',2,2,0,'O''Brien',20),"
      "(12,1,'定额',3,2,0,'无此专业',30);");
  Run();
  EXPECT_EQ(Column(10, "综合单价"), "11.0");
  EXPECT_EQ(Column(11, "综合单价"), "21.0");
  EXPECT_EQ(Column(11, "综合合价"), "42.0");
  EXPECT_EQ(Column(12, "综合单价"), "0.0");
  EXPECT_EQ(Column(12, "单价_人工费"), "0.0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(UnitPriceFeesTest, RecordsComponentsAndMarksTheParentBillItem) {
  AddQuota(10, 1);
  AddSheet(10, {{"2.1", "冬季", "1.1"},   {"2.4", "高原", "2"},   {"2.7", "行车", "3"},
                {"2.11", "工地", "0.2"},  {"3.1", "养老", "0.1"}, {"3.5", "工伤", "0.2"},
                {"4.5", "费用", "-12.5"}, {"9", "综合单价", "1"}});
  AddQuota(11, 1, /*parent=*/2);
  AddSheet(11, {{"1", "综合单价", "1"}});
  AddQuota(12, 1, /*parent=*/1, /*calculated=*/1);
  project_.Exec(
      "insert into 分部分项单价费率费用(主表,冬季) values(10,77),(12,88);");
  Run();
  // 综合1 = 1.1 + 0.2, 综合2 = 2 + 3, 综合3 = 0.1 + 0.2 (0.30000000000000004 -> 0.3).
  EXPECT_EQ(project_.Rows("select 冬季,高原,行车,工地,综合1,综合2,养老,工伤,综合3,费用,综合4 "
                          "from 分部分项单价费率费用 where 主表=10"),
            std::vector<std::string>{"1.1|2.0|3.0|0.2|1.3|5.0|0.1|0.2|0.3|-12.5|-12.5"});
  EXPECT_EQ(project_.Type("select 综合4 from 分部分项单价费率费用 where 主表=10"), "real");
  EXPECT_EQ(project_.Text("select count(*) from 分部分项单价费率费用 where 主表=11"), "1");
  EXPECT_EQ(project_.Text("select 冬季 from 分部分项单价费率费用 where 主表=12"), "88.0");
  EXPECT_EQ(Column(1, "计算"), "0");  // bill item parent
  EXPECT_EQ(Column(2, "计算"), "1");  // heading parent untouched
}

// A parent is marked after each of its quotas is written: a host's trigger
// on the mark fires each time and sees the quotas written before it (1, 2,
// then 3 for quota 12's parent, marked again). Without a trigger the fast
// path marks a parent only once, which nothing could tell apart.
TEST_F(UnitPriceFeesTest, ATriggerSeesEachParentMarkedInItsTurn) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,计算) values(3,0,'项',0,1);"
      "create table 记录(n);"
      "create trigger 记 after update of 计算 on 分部分项 when new.标志='项' begin "
      "insert into 记录 values((select count(*) from 分部分项 where 综合单价=5)); end");
  for (int quota : {10, 11, 12}) {
    AddQuota(quota, 1, /*parent=*/quota == 11 ? 3 : 1);
    AddSheet(quota, {{"1", "综合单价", "5"}});
  }
  Run();
  EXPECT_EQ(project_.Rows("select n from 记录 order by rowid"),
            (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Column(1, "计算"), "0");
  EXPECT_EQ(Column(3, "计算"), "0");
}

TEST_F(UnitPriceFeesTest, OneItemIsProcessedWhateverItsFlag) {
  AddQuota(10, 2, /*parent=*/1, /*calculated=*/1);
  AddSheet(10, {{"1", "直接费", "3"}, {"2", "综合单价", "<1>*2"}});
  AddQuota(11, 2);
  AddSheet(11, {{"1", "直接费", "3"}, {"2", "综合单价", "<1>*2"}});
  Run("10");
  EXPECT_EQ(Column(10, "综合合价"), "12.0");
  EXPECT_EQ(Column(11, "综合合价"), "");
  EXPECT_EQ(project_.Text("select group_concat(主表) from 分部分项单价费率费用"), "10");
}

// Quotas with the same unit costs under the same profession share one
// worked-out standard sheet; each is still priced with its own quantity.
// Labour 10 (quotas 10 and 11): 10 + 10 x 5% = 10.5, for 3 and 7 units
// 31.5 and 73.5; labour 20 (quota 12): 20 + 1 = 21, for 2 units 42.
TEST_F(UnitPriceFeesTest, QuotasSharingASheetArePricedWithTheirOwnQuantity) {
  project_.Exec(
      "insert into 取费索引(编号,取费专业,类别) values(5,'P','综合单价');"
      "insert into 工程取费(主表,顺号,项目,公式,排序) values(5,'1','直接费','[系统:直接人工费合计]',1),"
      "(5,'2.1','冬季','<1>*5%',2),(5,'9','综合单价','<1>+<2.1>',3);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,单价取费,单价_人工费) values"
      "(10,1,'定额',1,3,0,'P',10),(11,1,'定额',2,7,0,'P',10),(12,1,'定额',3,2,0,'P',20);");
  Run();
  EXPECT_EQ(project_.Rows("select 综合单价,综合合价 from 分部分项 where 标志='定额' order by 编号"),
            (std::vector<std::string>{"10.5|31.5", "10.5|73.5", "21.0|42.0"}));
  EXPECT_EQ(project_.Rows("select 主表,冬季,综合1 from 分部分项单价费率费用 order by 主表"),
            (std::vector<std::string>{"10|0.5|0.5", "11|0.5|0.5", "12|1.0|1.0"}));
}

// On the total basis the shared sheet gives the total, and each row's unit
// price is that total over its own quantity: labour totals of 30 give
// 30 x 1.1 = 33, 11 a unit for 3 units and 5.5 for 6; 10 gives 11, 2.75 a
// unit for 4.
TEST_F(UnitPriceFeesTest, QuotasSharingATotalSheetDivideByTheirOwnQuantity) {
  project_.Exec(
      "insert into 取费索引(编号,取费专业,类别) values(5,'P','综合单价');"
      "insert into 工程取费(主表,顺号,项目,公式,排序) values(5,'1','直接费','[系统:直接人工费合计]',1),"
      "(5,'2','合价','<1>*1.1',2);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,单价取费,合价_人工费) values"
      "(10,1,'定额',1,3,0,'P',30),(11,1,'定额',2,6,0,'P',30),(12,1,'定额',3,4,0,'P',10);");
  Run();
  EXPECT_EQ(project_.Rows("select 综合单价,综合合价 from 分部分项 where 标志='定额' order by 编号"),
            (std::vector<std::string>{"11.0|33.0", "5.5|33.0", "2.75|11.0"}));
}

}  // namespace
}  // namespace ftcalc
