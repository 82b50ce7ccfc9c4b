// The rebuild of 设备汇总: grouping of the equipment lines, amounts, the
// total row, and the user's 主要 mark kept from build to build.
#include "calc/equipment_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class EquipmentSummaryTest : public ::testing::Test {
 protected:
  EquipmentSummaryTest() {
    p_.Exec(
        "insert into 参数(名称,内容) values('工程量小数位','3'),('价格小数位','2');"
        "insert into 其他.材料标志(编号,名称) values(2,'材料'),(11,'设备'),(12,'进口设备');"
        "insert into 其他.材料供应方(编号,名称) values(1,'承包人'),(2,'发包人');"
        "insert into 定额材料明细(编号,编码,名称,单位,基价) values"
        " (1,'E01','变压器','台',120),(2,'E02','水泵','台',50),(3,'M01','水泥','t',400);");
  }

  void Quota(int id, double quantity) {
    p_.Exec("insert into 分部分项(编号,上级编号,标志,编码,名称,工程量) values(" +
            std::to_string(id) + ",0,'定额','Q" + std::to_string(id) + "','定额'," +
            std::to_string(quantity) + ")");
  }
  // A material line of quota `quota`; `fields` are the values of
  // 材料编号,编码,名称,单位,基价,信息价,实际量,标志,供应方.
  void Line(int quota, const std::string& fields) {
    p_.Exec(
        "insert into "
        "分部分项材料明细(主表,上级编号,材料编号,编码,名称,单位,基价,信息价,实际量,标志,"
        "供应方) values(" +
        std::to_string(quota) + ",0," + fields + ")");
  }
  void Build() {
    p_.SetUpEngine();
    BuildEquipmentSummary(p_.Context());
  }
  std::vector<std::string> Lines() {
    return p_.Rows(
        "select 编码,名称,单位,数量,基价,信息价,供应方,标志,主要,合价 from 设备汇总 "
        "order by 排序");
  }

  TestProject p_;
};

TEST_F(EquipmentSummaryTest, ProjectWithoutEquipmentEndsWithTotalRowAlone) {
  Quota(1, 10);
  Line(1, "3,NULL,NULL,NULL,0,0,2,2,1");   // a material, not equipment
  Line(1, "1,NULL,NULL,NULL,0,0,0,11,1");  // equipment with no quantity
  p_.Exec("insert into 设备汇总(上级编号,编码,名称,主要) values(0,'OLD','旧设备',1)");
  Build();

  EXPECT_EQ(p_.Rows("select 上级编号,名称,标志,合价,typeof(合价),排序=编号 from 设备汇总"),
            std::vector<std::string>({"0|#### 合 计 ####|合计|0.0|real|1"}));
  EXPECT_TRUE(p_.errors().empty());
}

TEST_F(EquipmentSummaryTest, GroupsEquipmentAndPricesIt) {
  Quota(1, 1);
  Quota(2, 1);
  Quota(3, 2);
  // The same transformer in two quotas: 1.5 + 2.25 = 3.75, priced at the
  // standard base price 120 (the line's 0 does not count): 450.
  Line(1, "1,NULL,NULL,NULL,0,0,1.5,11,1");
  Line(2, "1,NULL,NULL,NULL,0,0,2.25,11,1");
  // The same pump at two information prices: two lines. 2 x 0.5 = 1 at 60.
  Line(1, "2,NULL,NULL,NULL,0,60,2,12,2");
  Line(3, "2,NULL,NULL,NULL,0,70,0.5,12,2");
  // A base price held as empty text counts as 0 and falls back on the
  // standard price; a code written on the line wins.
  Line(3, "2,'E03','风机','台','',0,1,11,NULL");
  Build();

  EXPECT_EQ(Lines(), std::vector<std::string>({
                         "E01|变压器|台|3.75|120.0|0.0|承包人|设备|NULL|450.0",
                         "E02|水泵|台|2.0|50.0|60.0|发包人|进口设备|NULL|120.0",
                         "E02|水泵|台|1.0|50.0|70.0|发包人|进口设备|NULL|70.0",
                         "E03|风机|台|2.0|50.0|0.0|NULL|设备|NULL|100.0",
                         "NULL|#### 合 计 ####|NULL|NULL|NULL|NULL|NULL|合计|NULL|740.0",
                     }));
  EXPECT_EQ(p_.Text("select count(*) from 设备汇总 where 排序<>编号 or 上级编号<>0"), "0");
  EXPECT_TRUE(p_.errors().empty());
}

TEST_F(EquipmentSummaryTest, KeepsUserMarksAcrossRebuilds) {
  Quota(1, 1);
  Line(1, "1,NULL,NULL,NULL,0,0,2,11,1");              // 合价 240
  Line(1, "0,'E09','O''Neil泵','台',80,0,1,11,NULL");  // quote in name, no supplier
  Line(1, "2,NULL,NULL,NULL,0,0,1,11,2");
  Build();
  p_.Exec(
      "update 设备汇总 set 主要=1 where 编码='E01';"
      "update 设备汇总 set 主要='√' where 编码='E09';"
      "update 设备汇总 set 主要=2.5 where 编码='E02';");
  ASSERT_EQ(p_.Text("select 合价 from 设备汇总 where 编码='E01'"), "240.0");

  // The pump's price changes: its mark does not follow it.
  p_.Exec("update 分部分项材料明细 set 基价=55 where 材料编号=2");
  Build();
  EXPECT_EQ(
      p_.Rows("select 编码,主要,typeof(主要) from 设备汇总 order by 排序"),
      std::vector<std::string>({"E01|1|integer", "E02|NULL|null", "E09|√|text", "NULL|NULL|null"}));
  EXPECT_TRUE(p_.errors().empty());
}

TEST_F(EquipmentSummaryTest, RebuildingTwiceGivesTheSameTable) {
  Quota(1, 3);
  Line(1, "1,NULL,NULL,NULL,0,130,0.25,11,1");
  Line(1, "2,NULL,'水泵''甲',NULL,0,0,1,12,NULL");
  Build();
  p_.Exec("update 设备汇总 set 主要='是' where 名称='水泵''甲'");
  const std::string columns =
      "select 编码,名称,单位,数量,基价,信息价,供应方,标志,主要,typeof(主要),"
      "合价 from 设备汇总 order by 排序";
  const std::vector<std::string> first = p_.Rows(columns);
  Build();
  EXPECT_EQ(p_.Rows(columns), first);
  EXPECT_EQ(p_.Text("select 主要 from 设备汇总 where 名称='水泵''甲'"), "是");
  EXPECT_TRUE(p_.errors().empty());
}

// In a full calculation the quota step lists the equipment lines for this
// step; a host's trigger that adds a line meanwhile (here when the quota's
// row is written) must still be counted.
TEST_F(EquipmentSummaryTest, ALineATriggerAddsDuringTheCalculationIsCounted) {
  Quota(1, 10);
  Line(1, "1,'E01','变压器','台',120,0,2,11,1");
  p_.Exec(
      "create trigger 补设备 after update on 分部分项 when new.编号=1 and not "
      "exists(select 1 from 分部分项材料明细 where 编码='E02') begin "
      "insert into 分部分项材料明细(主表,上级编号,材料编号,编码,名称,单位,基价,信息价,实际量,标志,"
      "供应方) values(1,0,2,'E02','水泵','台',50,0,3,11,1); end");
  p_.RunFull();
  // 2 x 10 = 20 transformers at 120, 3 x 10 = 30 pumps at 50.
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "E01|变压器|台|20.0|120.0|0.0|承包人|设备|NULL|2400.0",
                         "E02|水泵|台|30.0|50.0|0.0|承包人|设备|NULL|1500.0",
                         "NULL|#### 合 计 ####|NULL|NULL|NULL|NULL|NULL|合计|NULL|3900.0"}));
}

}  // namespace
}  // namespace ftcalc
