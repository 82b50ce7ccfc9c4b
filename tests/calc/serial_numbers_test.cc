// Serial numbers: the priced rows of the pricing method, in display order.
#include "calc/serial_numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class SerialNumbersTest : public ::testing::Test {
 protected:
  SerialNumbersTest() {
    // Old numbers everywhere, to see which rows lose theirs.
    project_.Exec(
        "insert into 分部分项(编号,上级编号,标志,排序,序号) values"
        "(1,0,'级1',1,9),(2,1,'项',30,9),(3,1,'项',10,9),(4,1,'项',20,9),"
        "(5,2,'定额',31,9),(6,3,'定额',11,9),(7,1,'描述',5,9),(8,4,'定额',21,9),"
        "(9,4,'定额',21,9);");
  }

  void Run(const std::string& method) {
    project_.Exec("insert into 工程档案(名称,内容) values('计价方式','" + method + "')");
    project_.SetUpEngine();
    NumberItems(project_.Context());
  }

  TestProject project_;
};

// The fixture's rows under 清单法: the bill items 3, 4, 2 (排序 10, 20, 30)
// get 1, 2, 3 as INTEGERs; every other row has no number.
const std::vector<std::string> kBillItemSerials = {
    "1|NULL|null", "2|3|integer", "3|1|integer", "4|2|integer", "5|NULL|null",
    "6|NULL|null", "7|NULL|null", "8|NULL|null", "9|NULL|null"};

TEST_F(SerialNumbersTest, BillItemsUnderBillPricing) {
  Run("清单法");
  EXPECT_EQ(project_.Rows("select 编号,序号,typeof(序号) from 分部分项 order by 编号"),
            kBillItemSerials);
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(SerialNumbersTest, QuotasUnderAnyOtherMethod) {
  Run("定额法");
  // 6 (排序 11), then 8 and 9 tie on 21 and come in rowid order, then 5.
  EXPECT_EQ(project_.Rows("select 编号,序号 from 分部分项 order by 编号"),
            (std::vector<std::string>{"1|NULL", "2|NULL", "3|NULL", "4|NULL", "5|4", "6|1",
                                      "7|NULL", "8|2", "9|3"}));
}

TEST_F(SerialNumbersTest, NoRowOfTheNumberedKindLeavesEveryNumberEmpty) {
  project_.Exec("delete from 分部分项 where 标志='项'");
  Run("清单法");
  EXPECT_EQ(project_.Text("select count(*) from 分部分项 where 序号 is not null"), "0");
}

// A project numbered before keeps the numbers that stay; a number of
// another kind (a text, a fraction) is replaced and a stale one cleared.
TEST_F(SerialNumbersTest, NumbersFromBeforeAreKeptReplacedOrCleared) {
  project_.Exec(
      "update 分部分项 set 序号=NULL;"
      "update 分部分项 set 序号=1 where 编号=3;"
      "update 分部分项 set 序号='2' where 编号=4;"   // stored as the INTEGER 2
      "update 分部分项 set 序号='三' where 编号=2;"
      "update 分部分项 set 序号=2.5 where 编号=5;"
      "update 分部分项 set 序号='x' where 编号=7;");
  Run("清单法");
  EXPECT_EQ(project_.Rows("select 编号,序号,typeof(序号) from 分部分项 order by 编号"),
            kBillItemSerials);
  EXPECT_TRUE(project_.errors().empty());
  if (project_.Context().options.fast_paths) {
    EXPECT_TRUE(project_.Context().declined_fast_paths.empty());
  }
}

class SerialNumberColumnTest : public SerialNumbersTest {
 protected:
  void Declare(const std::string& number_column) {
    project_.Exec(
        "drop table 分部分项;"
        "create table 分部分项(编号 INTEGER PRIMARY KEY, 上级编号 INTEGER, 标志 TEXT, 排序 REAL, " +
        number_column +
        ");"
        "insert into 分部分项(编号,上级编号,标志,排序,序号) values"
        "(1,0,'级1',1,9),(2,1,'项',30,3),(3,1,'项',10,1),(4,1,'项',20,2);");
  }
};

// In a REAL column every serial is stored as a REAL, also over an equal one.
TEST_F(SerialNumberColumnTest, RealColumnStoresRealSerials) {
  Declare("序号 REAL");
  Run("清单法");
  EXPECT_EQ(project_.Rows("select 序号,typeof(序号) from 分部分项 order by 编号"),
            (std::vector<std::string>{"NULL|null", "3.0|real", "1.0|real", "2.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
}

// A column that may not be NULL makes the clearing fail, and the failure is
// reported as the statements meet it.
TEST_F(SerialNumberColumnTest, ANumberThatMayNotBeClearedIsReported) {
  Declare("序号 INTEGER NOT NULL");
  Run("清单法");
  EXPECT_FALSE(project_.errors().empty());
}

}  // namespace
}  // namespace ftcalc
