// Bill item prices: the roll-up of their quotas, their own fee sheets, and
// the percentage and fixed-amount items of the general chapter.
#include "calc/bill_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class BillItemsTest : public ::testing::Test {
 protected:
  void SetUpEngine(const std::string& method = "清单法") {
    project_.Exec("insert into 工程档案(名称,内容) values('计价方式','" + method +
                  "');"
                  "insert into 参数(名称,内容) values('价格小数位','2');");
    project_.SetUpEngine();
  }

  std::string Row(int id, const std::string& columns) {
    auto rows = project_.Rows("select " + columns + " from 分部分项 where 编号=" + std::to_string(id));
    return rows.empty() ? "missing" : rows[0];
  }

  TestProject project_;
};

TEST_F(BillItemsTest, AnotherPricingMethodChangesNothing) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,计算,单价_人工费,综合单价,附注信息) "
      "values(1,0,'级1','第100章 总则',1,0,0,NULL,NULL,NULL),(2,1,'项','保险费',2,1,0,3,4,'2%'),"
      "(3,0,'级1','第200章 路基',3,0,0,NULL,NULL,NULL),(4,3,'项','挖方',4,2,0,5,6,NULL),"
      "(5,4,'定额','挖土',5,10,0,7,8,NULL);"
      "insert into 分部分项取费明细(主表,项目,费用) values(4,'综合单价',99);");
  SetUpEngine("定额法");
  const auto before = project_.Rows("select * from 分部分项");
  RollUpBillItems(project_.Context(), "0");
  EXPECT_EQ(project_.Rows("select * from 分部分项"), before);
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(BillItemsTest, QuotasRollUpPerUnitOfTheItemQuantity) {
  // Item 1 (quantity 4) holds quotas 10 and 11; item 2 (quantity 0) holds 12.
  // Item 3 has no quota, item 4 neither but is already calculated.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,综合单价,综合合价,规费,主材费) values"
      "(1,0,'项',1,4,0,NULL,NULL,NULL,NULL),(2,0,'项',2,0,0,NULL,NULL,NULL,NULL),"
      "(3,0,'项',3,1,0,7,7,5,6),(4,0,'项',4,1,1,8,8,NULL,NULL);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费,单价_材料费,单价_机械费,"
      "其他费用,规费,管理费,利润,增值税,主材费,设备费) values"
      "(10,1,'定额',10,3,10.005,1,0,0.1,2,0.2,0.3,0.4,5,6),"
      "(11,1,'定额',11,1,2.5,1,1,0,0,0,0,0,0,0),"
      "(12,2,'定额',12,2,1,1,1,1,1,1,1,1,1,1);");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  // 人工: 10.005*3 + 2.5 = 32.515 -> 32.52, /4 = 8.13.  材料: 3+1 = 4 -> 1.
  // 机械: 1 -> 0.25.  其他费用: 0.3 -> 0.075 -> 0.08.  规费: 6 -> 1.5.
  // 管理费: 0.6 -> 0.15.  利润: 0.9 -> 0.225 -> 0.23.  增值税: 1.2 -> 0.3.
  // 主材费: 15 -> 3.75.  设备费: 18 -> 4.5.
  EXPECT_EQ(Row(1, "单价_人工费,单价_材料费,单价_机械费,其他费用,规费,管理费,利润,增值税,主材费,设备费"),
            "8.13|1.0|0.25|0.08|1.5|0.15|0.23|0.3|3.75|4.5");
  // 综合单价: 8.13+1+0.25+0.08+0.15+0.23+0.3 (no 规费, 主材费, 设备费) = 10.14;
  // 综合合价: 10.14*4 = 40.56.
  EXPECT_NEAR(project_.Number("select 综合单价 from 分部分项 where 编号=1"), 10.14, 1e-9);
  EXPECT_EQ(Row(1, "综合合价,计算,typeof(综合合价)"), "40.56|1|real");
  // A quantity of 0 divides to NULL, which FtRou makes 0.
  EXPECT_EQ(Row(2, "单价_人工费,设备费,综合单价,综合合价,计算"), "0.0|0.0|0.0|0.0|1");
  // Reset only: 规费 and 主材费 stay; the calculated item 4 is not touched.
  EXPECT_EQ(Row(3, "综合单价,综合合价,规费,主材费,计算"), "0.0|0.0|5.0|6.0|0");
  EXPECT_EQ(Row(4, "综合单价,综合合价,计算"), "8.0|8.0|1");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(BillItemsTest, OneItemOnlyResetsAndSumsThatItem) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,综合单价) values"
      "(1,0,'项',1,2,1,50),(2,0,'项',2,1,0,60);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费) values"
      "(10,1,'定额',10,1,3),(11,2,'定额',11,1,4);");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "1");
  EXPECT_EQ(Row(1, "单价_人工费,综合单价,综合合价,计算"), "1.5|1.5|3.0|1");
  EXPECT_EQ(Row(2, "单价_人工费,综合单价,计算"), "NULL|60.0|0");
}

TEST_F(BillItemsTest, OwnFeeSheetPricesFromItsLastRow) {
  // Rowid order, not insertion order, is the stored order: rowid 3 is last.
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算) values(1,0,'项',1,2,0),"
      "(2,0,'级1',2,3,0);"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费) values(10,1,'定额',10,1,7);"
      "insert into 分部分项取费明细(rowid,编号,主表,项目,费用) values(3,3,1,'综合单价',20.555),"
      "(1,1,1,'直接费',10),(2,2,1,'合计',30),(4,1,2,'综合单价',5);");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  // 20.555 -> 20.56 (half up), times quantity 2 = 41.12; the heading has no
  // bill-item flag, so its sheet is not applied.
  EXPECT_EQ(Row(1, "综合单价,综合合价,计算"), "20.56|41.12|1");
  EXPECT_EQ(Row(2, "综合单价,计算"), "NULL|0");
}

// The lines of several items, interleaved in rowid order: each item takes
// its own last line; lines of no bill item (a heading, a missing row, no
// 主表 at all, a text key) price nothing.
TEST_F(BillItemsTest, OwnFeeSheetsOfInterleavedItemsEachTakeTheirLastLine) {
  project_.Exec(
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算) values(1,0,'项',1,2,0),"
      "(2,0,'项',2,1,0),(3,0,'级1',3,1,0);"
      "insert into 分部分项取费明细(rowid,主表,项目,费用) values(1,2,'a',1),(2,1,'a',2),"
      "(3,2,'b',3.125),(4,3,'a',4),(5,99,'a',5),(6,NULL,'a',6),(7,'1x','a',7),(8,1,'b',8);");
  SetUpEngine();
  EngineContext& ctx = project_.Context();
  RollUpBillItems(ctx, "0");
  EXPECT_EQ(Row(1, "综合单价,综合合价,计算"), "8.0|16.0|1");
  // 3.125 -> 3.13 (half up).
  EXPECT_EQ(Row(2, "综合单价,综合合价,计算"), "3.13|3.13|1");
  EXPECT_EQ(Row(3, "综合单价,计算"), "NULL|0");
  EXPECT_TRUE(project_.errors().empty());
  if (ctx.options.fast_paths) {
    EXPECT_TRUE(ctx.declined_fast_paths.empty());
  }
}

TEST_F(BillItemsTest, DivisionsNeverTruncateOnIntegerColumns) {
  // A host whose quantities are stored as integers.
  project_.Exec(
      "drop table 分部分项;"
      "create table 分部分项(编号 INTEGER PRIMARY KEY, 上级编号 INTEGER, 标志 TEXT, 名称 TEXT, "
      "排序 REAL, 工程量 INTEGER, 附注信息 TEXT, 计算 INTEGER, 单价_人工费 REAL, 单价_材料费 REAL, "
      "单价_机械费 REAL, 其他费用 REAL, 规费 REAL, 管理费 REAL, 利润 REAL, 增值税 REAL, 主材费 REAL, "
      "设备费 REAL, 综合单价 REAL, 综合合价 REAL);"
      "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,计算,综合合价,附注信息) values"
      "(1,0,'级1','第100章 总则',100,0,0,NULL,NULL),(2,0,'级1','第200章',200,0,0,NULL,NULL),"
      "(3,2,'项','甲',201,1,1,50,NULL),(5,2,'项','乙',202,4,0,NULL,NULL),"
      "(30,1,'项','保险费',110,1,0,NULL,'3%');"
      "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费) values(6,5,'定额',203,10,1);");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  // 10 / 4 = 2.5, not 2.
  EXPECT_EQ(Row(5, "单价_人工费,综合单价,综合合价"), "2.5|2.5|10.0");
  // B = 50 + 10 = 60; 60*3/100 = 1.8, not 1.
  EXPECT_EQ(Row(30, "综合单价,综合合价"), "1.8|1.8");
  EXPECT_TRUE(project_.errors().empty());
}

// Parents of every kind, rolled up as the statements do it: a heading gets
// the amounts but no price, an item already calculated is priced without a
// reset, an item without quotas is only reset, quotas without a parent go
// to row 0 (the key the statements paste for NULL), before the quotas of
// row 0 itself, and quotas of a missing row go nowhere. `management_type`
// declares 管理费, a part of the composite; `more` adds rows.
class QuotaRollUpTest : public BillItemsTest {
 protected:
  void RollUp(const std::string& management_type, const std::string& more = "",
              const std::string& quantity_type = "REAL", bool check_rows = true) {
    project_.Exec(
        "drop table 分部分项;"
        "create table 分部分项(编号 INTEGER PRIMARY KEY, 上级编号 INTEGER, 标志 TEXT, 名称 TEXT, "
        "排序 REAL, 工程量 " + quantity_type + ", 附注信息 TEXT, 计算 INTEGER, 单价_人工费 REAL, 单价_材料费 REAL, "
        "单价_机械费 REAL, 其他费用 REAL, 规费 REAL, 管理费 " + management_type + ", 利润 REAL, "
        "增值税 REAL, 主材费 REAL, 设备费 REAL, 综合单价 REAL, 综合合价 REAL);"
        "insert into 分部分项(编号,上级编号,标志,排序,工程量,计算,规费,综合单价,综合合价) values"
        "(0,NULL,'项',0,1,1,NULL,NULL,NULL),(1,NULL,'级1',1,2,0,NULL,NULL,NULL),"
        "(2,1,'项',2,4,1,NULL,NULL,NULL),(3,1,'项',3,1,0,5,7,7),(4,1,'项',4,1,0,5,9,9);"
        "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费,单价_材料费,单价_机械费,"
        "其他费用,规费,管理费,利润,增值税,主材费,设备费) values"
        "(10,1,'定额',10,3,1.5,0,0,0,0,2,0,0,0,0),(11,2,'定额',11,2,2.5,1,0,0,0,0.5,0,0,10,0),"
        "(12,4,'定额',12,1,0.125,0,0,0,3,0,0,0,0,0),(13,NULL,'定额',13,7,1,0,0,0,0,0,0,0,0,0),"
        "(14,99,'定额',14,1,50,0,0,0,0,0,0,0,0,0),(16,0,'定额',16,2,3,0,0,0,0,0,0,0,0,0);" +
        more);
    SetUpEngine();
    EngineContext& ctx = project_.Context();
    RollUpBillItems(ctx, "0");
    EXPECT_TRUE(project_.errors().empty());
    if (ctx.options.fast_paths) {
      EXPECT_TRUE(ctx.declined_fast_paths.empty());
    }
    if (!check_rows) return;
    // Heading 1 (quantity 2): 人工 4.5 / 2 = 2.25, 管理费 6 / 2; no price,
    // 计算 as it was.
    EXPECT_EQ(Row(1, "单价_人工费,单价_材料费,综合单价,计算"), "2.25|0.0|NULL|0");
    // Item 3 has no quotas: reset; 规费 is no part of the reset.
    EXPECT_EQ(Row(3, "单价_人工费,规费,综合单价,综合合价,计算"), "0.0|5.0|0.0|0.0|0");
    // Item 4: 0.125 rounds half up to 0.13; its 规费 comes from the quota.
    EXPECT_EQ(Row(4, "单价_人工费,规费,综合单价,综合合价,计算"), "0.13|3.0|0.13|0.13|1");
    // Quota 13 has no parent: row 0 takes it (7 / 1), and then its own
    // quota 16 (3 x 2 = 6), which the statements write last.
    EXPECT_EQ(Row(0, "单价_人工费,综合单价,综合合价,计算"), "6.0|6.0|6.0|1");
  }
};

TEST_F(QuotaRollUpTest, EveryKindOfParentAsTheStatementsLeaveIt) {
  RollUp("REAL");
  EXPECT_EQ(Row(1, "管理费,typeof(管理费)"), "3.0|real");
  // Item 2 (quantity 4, already calculated): 人工 5 / 4 = 1.25, 材料 0.5,
  // 管理费 0.25, 主材费 5; composite 1.25+0.5+0.25 = 2, times 4.
  EXPECT_EQ(Row(2, "单价_人工费,单价_材料费,管理费,主材费,综合单价,综合合价,计算"),
            "1.25|0.5|0.25|5.0|2.0|8.0|1");
}

// A parent key of another form leaves the grouping and the pasted keys to
// the statements. 2.5 groups after 2 and is pasted as the integer field
// text of 上级编号, "2": item 2 ends with quota 17's roll-up, 1 x 1 / 4.
TEST_F(QuotaRollUpTest, AParentKeyOfAnotherFormIsPastedAsTheStatementsPasteIt) {
  RollUp("REAL", "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费) values"
                 "(17,2.5,'定额',17,1,1);");
  EXPECT_EQ(Row(2, "单价_人工费,单价_材料费,管理费,主材费,综合单价,综合合价,计算"),
            "0.25|0.0|0.0|0.0|0.25|1.0|1");
}

// A NUMERIC column keeps a whole amount as an INTEGER, which the composite
// then reads back: the statements' own order of writes and reads decides.
TEST_F(QuotaRollUpTest, AnAmountStoredInAnotherFormIsReadBackAsStored) {
  RollUp("NUMERIC");
  EXPECT_EQ(Row(1, "管理费,typeof(管理费)"), "3|integer");
  EXPECT_EQ(Row(2, "管理费,typeof(管理费),综合单价,typeof(综合单价)"), "0.25|real|2.0|real");
}

// Quantities held as INTEGERs: the dividends are pasted as the REALs the
// roll-up gives ("5.0"), so item 2 (quantity 4) still gets 人工 5.0 / 4 =
// 1.25, 材料 0.5, 管理费 0.25, 主材费 5; composite 2, times 4. Item 3, of
// quantity 0, gets quota 18's 2.0 / 0: NULL, which FtRou reads as 0.
TEST_F(QuotaRollUpTest, QuantitiesHeldAsIntegersAndAQuantityOfZero) {
  RollUp("REAL",
         "update 分部分项 set 工程量=0 where 编号=3;"
         "insert into 分部分项(编号,上级编号,标志,排序,工程量,单价_人工费) values(18,3,'定额',18,1,2);",
         "INTEGER", /*check_rows=*/false);
  EXPECT_EQ(Row(2, "单价_人工费,单价_材料费,管理费,主材费,综合单价,综合合价,typeof(工程量)"),
            "1.25|0.5|0.25|5.0|2.0|8.0|integer");
  EXPECT_EQ(Row(4, "单价_人工费,综合单价,综合合价"), "0.13|0.13|0.13");
  EXPECT_EQ(Row(3, "单价_人工费,综合单价,综合合价,计算"), "0.0|0.0|0.0|1");
}

class GeneralChapterTest : public BillItemsTest {
 protected:
  GeneralChapterTest() {
    // Chapter 100 (排序 100) up to chapter 200 (排序 200). Items after 200
    // and general-chapter items without a note (NULL or blank) make the base:
    // 900 + 60 + 40 = 1000. Day work 300 plus provisional sums 200.004 give
    // E = 500.
    project_.Exec(
        "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,计算,综合单价,综合合价,附注信息) "
        "values(1,0,'级1','第100章 总则',100,0,0,NULL,NULL,NULL),"
        "(2,0,'级1','第200章 路基',200,0,0,NULL,NULL,NULL),"
        "(3,2,'项','挖方',201,1,1,900,900,NULL),"
        "(20,1,'项','无附注',101,1,1,60,60,''),"
        "(21,1,'项','无附注2',102,1,1,40,40,NULL),"
        "(30,1,'项','保险费',110,1,0,NULL,NULL,'2%'),"
        "(31,1,'项','其他',130,2,0,NULL,NULL,'10%'),"
        "(32,1,'项','安全生产费',120,1,0,NULL,NULL,'1.5%'),"
        "(33,1,'项','总额',140,0,0,NULL,NULL,' 5000'),"
        "(34,1,'项','零数量',150,0,1,7,7,'3%'),"
        "(35,1,'项','自有单价',160,1,0,NULL,NULL,'1%'),"
        "(36,1,'项','其后',170,1,0,NULL,NULL,'1%');"
        "insert into 计日工(综合合价,标志) values(300,'合计'),(55,'小计');"
        "insert into 暂列金额(合价,标志) values(200.004,'合计');"
        "insert into 分部分项取费明细(主表,项目,费用) values(35,'综合单价',2000),"
        "(35,'综合单价',7777);");
  }
};

TEST_F(GeneralChapterTest, PercentagesOfARunningBaseAndFixedAmounts) {
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  // 2% of 1000.
  EXPECT_EQ(Row(30, "综合单价,综合合价,计算"), "20.0|20.0|1");
  // 安全生产费 adds E: 1.5% of 1500 = 22.5.
  EXPECT_EQ(Row(32, "综合单价,综合合价,计算"), "22.5|22.5|1");
  // Every later item keeps the raised base: 10% of 1500 = 150, times 2.
  EXPECT_EQ(Row(31, "综合单价,综合合价"), "150.0|300.0");
  // A fixed amount on quantity 0 counts the quantity as 1.
  EXPECT_EQ(Row(33, "综合单价,综合合价,计算,typeof(综合单价)"), "5000.0|5000.0|1|real");
  // A percentage on quantity 0 is left as it was.
  EXPECT_EQ(Row(34, "综合单价,综合合价,计算"), "7.0|7.0|1");
  // An own 综合单价 line (the first one) replaces the base: 1% of 2000 ...
  EXPECT_EQ(Row(35, "综合单价,综合合价"), "20.0|20.0");
  // ... for the later items too.
  EXPECT_EQ(Row(36, "综合单价,综合合价"), "20.0|20.0");
  // Items without a note are not priced by the pass.
  EXPECT_EQ(Row(20, "综合单价,综合合价"), "60.0|60.0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(GeneralChapterTest, NoNextChapterSkipsThePass) {
  project_.Exec("update 分部分项 set 标志='级2' where 编号=2");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  EXPECT_EQ(Row(30, "综合单价,综合合价,计算"), "0.0|0.0|0");
  EXPECT_EQ(Row(33, "综合单价,计算"), "0.0|0");
}

TEST_F(GeneralChapterTest, QuotesAndMissingNumbersNeverBreakAStatement) {
  // A quote in the chapter's flag, and a fee line whose 费用 is NULL (B = 0).
  project_.Exec(
      "update 分部分项 set 标志='级''1' where 编号 in (1,2);"
      "update 分部分项取费明细 set 费用=NULL where 费用=2000;");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  EXPECT_EQ(Row(30, "综合合价"), "20.0");
  EXPECT_EQ(Row(35, "综合单价,综合合价"), "0.0|0.0");
  EXPECT_EQ(Row(36, "综合单价"), "0.0");
  EXPECT_TRUE(project_.errors().empty());
}

// The unit-price lines of several items read in one pass agree with the
// statement per item: the first matching line in rowid order, whichever item
// its neighbours belong to, and only lines whose 项目 is exactly 综合单价.
TEST_F(GeneralChapterTest, UnitPriceLinesOfSeveralItemsComeFromTheirFirstMatchingLine) {
  project_.Exec(
      "delete from 分部分项取费明细;"
      "insert into 分部分项取费明细(主表,项目,费用) values"
      "(36,'综合单价 ',111),(36,'利润',5),(35,'综合单价',2000),(36,'综合单价',3000),"
      "(35,'综合单价',7777),(36,'综合单价',9999);");
  SetUpEngine();
  EngineContext& ctx = project_.Context();
  RollUpBillItems(ctx, "0");
  // 35: 1% of its first line, 2000.
  EXPECT_EQ(Row(35, "综合单价,综合合价"), "20.0|20.0");
  // 36: 1% of 3000; the padded 项目 is no unit-price line.
  EXPECT_EQ(Row(36, "综合单价,综合合价"), "30.0|30.0");
  EXPECT_TRUE(project_.errors().empty());
  if (ctx.options.fast_paths) {
    EXPECT_TRUE(ctx.declined_fast_paths.empty());
  }
}

// A 主表 declared TEXT compares with a number as text ('35'=35 holds): the
// lines are then looked up item by item, as the statements do.
TEST_F(GeneralChapterTest, TextKeysOfFeeLinesAreLookedUpAsTheStatementsDo) {
  project_.Exec(
      "drop table 分部分项取费明细;"
      "create table 分部分项取费明细(编号 INTEGER, 主表 TEXT, 项目 TEXT, 费用 REAL);"
      "insert into 分部分项取费明细(主表,项目,费用) values('35','综合单价',2000),"
      "('36 ','综合单价',4000);");
  SetUpEngine();
  RollUpBillItems(project_.Context(), "0");
  EXPECT_EQ(Row(35, "综合单价,综合合价"), "20.0|20.0");
  // '36 ' is no 36: the base stays 2000.
  EXPECT_EQ(Row(36, "综合单价,综合合价"), "20.0|20.0");
  EXPECT_TRUE(project_.errors().empty());
}

}  // namespace
}  // namespace ftcalc
