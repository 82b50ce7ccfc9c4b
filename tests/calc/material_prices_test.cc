// The rebuild of 材料价格: the category settings, quantities of composite
// materials, prices net of VAT, differences and sums, and the user columns
// kept from build to build.
#include "calc/material_prices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/material_categories.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

TEST(MaterialCategoriesTest, ParsesCategoryLinesAndBuildsTheirFilters) {
  std::vector<MaterialCategory> categories = ParseMaterialCategories(
      "  "
      "人工=2:人工\r\n材料=0:材料,商品砼|组合材料;1:材料,配比;无标志\n\n//机械=0:机械\n只有名称\r");
  ASSERT_EQ(categories.size(), 2u);
  EXPECT_EQ(categories[0].name, "人工");
  ASSERT_EQ(categories[1].parts.size(), 2u);  // the part without ":" is left out
  EXPECT_EQ(categories[1].parts[0].flag, "0");
  EXPECT_EQ(categories[1].parts[0].kinds, std::vector<std::string>({"材料", "商品砼"}));
  EXPECT_EQ(categories[1].parts[1].flag, "1");

  const std::string two = CategoryPartSelect(categories[1].parts[0], "3", "其他");
  EXPECT_NE(two.find(" and e.名称 in('材料','商品砼') and a.上级编号=0"), std::string::npos) << two;
  const std::string one = CategoryPartSelect({"2", {"O'Neil"}}, "3", "其他");
  const std::string tail = " and e.名称='O''Neil'";  // flag 2: no level filter
  EXPECT_EQ(one.substr(one.size() - tail.size()), tail) << one;

  std::vector<CarriedColumn> carried = ParseCarriedColumns("备注=1\n//旧列=0\n调整系数=0");
  ASSERT_EQ(carried.size(), 2u);
  EXPECT_FALSE(carried[0].as_number);
  EXPECT_EQ(carried[1].name, "调整系数");
  EXPECT_TRUE(carried[1].as_number);
}

class MaterialPricesTest : public ::testing::Test {
 protected:
  MaterialPricesTest() {
    p_.Exec(
        "insert into 参数(名称,内容) values('工程量小数位','3'),('价格小数位','2');"
        "insert into 其他.材料标志(编号,名称) values(1,'人工'),(2,'材料'),(5,'配比'),(11,'设备');"
        "insert into 其他.材料三材(编号,名称) values(1,'钢材');"
        "insert into 其他.材料供应方(编号,名称) values(1,'承包人'),(2,'发包人');"
        "insert into 定额材料明细(编号,编码,名称,单位,基价) values"
        " (10,'P10','砂浆','m3',200),(11,'M11','砂','m3',60),(12,'M12','水泥','t',400),"
        " (13,'R13','人工','工日',100);"
        "insert into RoadLib.计算设置(编号,上级编号,名称,内容) values(1,0,'材料价格','');");
  }

  void Setting(const std::string& name, const std::string& content) {
    p_.Exec("insert into RoadLib.计算设置(上级编号,名称,内容) values(1,'" + name + "','" + content +
            "')");
  }
  void Quota(int id, const std::string& code, const std::string& name, double quantity) {
    p_.Exec("insert into 分部分项(编号,上级编号,标志,编码,名称,工程量) values(" +
            std::to_string(id) + ",0,'定额'," + code + "," + name + "," + std::to_string(quantity) +
            ")");
  }
  // `fields`: 编号,主表,上级编号,材料编号,编码,名称,基价,信息价,增值税率,实际量,标志,三材,供应方.
  void Line(const std::string& fields) {
    p_.Exec(
        "insert into 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,基价,信息价,增值税率,"
        "实际量,标志,三材,供应方) values(" +
        fields + ")");
  }
  void Build() {
    p_.SetUpEngine();
    BuildMaterialPrices(p_.Context());
  }

  TestProject p_;
};

TEST_F(MaterialPricesTest, CountsComponentsOfCompositesAndSkipsCommentedQuotas) {
  Setting("材料汇总", "材料=0:材料;1:材料\r\n配比=0:配比");
  Quota(1, "'Q1'", "'砌墙'", 10);
  Quota(2, "'//Q2'", "'停用'", 4);
  Quota(3, "'Q3'", "'//临时'", 1);
  Quota(4, "NULL", "'无编号'", 2);
  // 2 m3 mortar per unit, 3 m3 sand per m3 of mortar: 3 x 10 x 2 = 60.
  Line("1,1,0,10,NULL,NULL,0,0,0,2,5,NULL,1");
  Line("2,1,1,11,NULL,NULL,0,0,0,3,2,NULL,1");
  Line("3,2,0,11,NULL,NULL,0,0,0,5,2,NULL,1");
  Line("4,3,0,11,NULL,NULL,0,0,0,5,2,NULL,1");
  Line("5,4,0,12,NULL,NULL,0,0,0,0.5,2,NULL,1");  // a quota without code counts
  Build();

  EXPECT_EQ(p_.Rows("select 名称,数量,标志 from 材料价格 order by 排序"),
            std::vector<std::string>({"◆材料◆|NULL|分类", "砂|60.0|材料", "水泥|1.0|材料",
                                      "◆配比◆|NULL|分类", "砂浆|20.0|配比",
                                      "#### 合 计 ####|NULL|合计"}));
  EXPECT_EQ(
      p_.Text("select count(*) from 材料价格 a where 标志 not in('分类','合计') and 上级编号<>"
              "(select max(编号) from 材料价格 c where c.标志='分类' and c.编号<a.编号)"),
      "0");
  EXPECT_TRUE(p_.errors().empty());
}

// The whole run works the material list out in the quota step's read of
// the lines; a fee sheet that then writes the quota's 工程量 makes the list
// read the lines again: 3 m3 of sand per unit, for 10 units and then for the
// 20 the sheet writes.
TEST_F(MaterialPricesTest, ListWorkedOutAheadFollowsAQuantityTheSheetWrites) {
  Setting("材料汇总", "材料=0:材料");
  Quota(1, "'Q1'", "'砌墙'", 10);
  Line("1,1,0,11,NULL,NULL,0,0,0,3,2,NULL,1");
  p_.Exec("update 分部分项 set 计算=0;"
          "insert into 分部分项取费明细(主表,顺号,项目,公式) values(1,'1','综合单价','1')");
  p_.RunFull();
  EXPECT_EQ(p_.Rows("select 名称,数量 from 材料价格 where 标志='材料'"),
            std::vector<std::string>({"砂|30.0"}));

  p_.Exec("insert into 分部分项取费明细(主表,顺号,项目,公式) values(1,'2','工程量','20')");
  p_.RunFull();
  EXPECT_EQ(p_.Text("select 工程量 from 分部分项 where 编号=1"), "20.0");
  EXPECT_EQ(p_.Rows("select 名称,数量 from 材料价格 where 标志='材料'"),
            std::vector<std::string>({"砂|60.0"}));
}

// The list worked out in the quota step's read of the lines takes each
// component's composite from the lines read before it. Quota 1 (10 units):
// 2 m3 of mortar, 3 m3 of sand per m3 of it; quota 2 (4 units): 1 m3 of
// mortar, 0.5 m3 of sand per m3. Sand 3 x 10 x 2 + 0.5 x 4 x 1 = 62, mortar
// 2 x 10 + 1 x 4 = 24, whatever order the host wrote the lines in.
class MaterialListInLineOrderTest : public MaterialPricesTest {
 protected:
  MaterialListInLineOrderTest() {
    Setting("材料汇总", "材料=0:材料;1:材料\r\n配比=0:配比");
    Quota(1, "'Q1'", "'砌墙'", 10);
    Quota(2, "'Q2'", "'抹面'", 4);
    p_.Exec("update 分部分项 set 计算=0;"
            "insert into 分部分项取费明细(主表,顺号,项目,公式) values(1,'1','综合单价','1'),"
            "(2,'1','综合单价','1')");
  }
  // Line numbers restart in every quota, as the data model has them.
  void Mortar(int quota, const std::string& amount) {
    Line("1," + std::to_string(quota) + ",0,10,NULL,NULL,0,0,0," + amount + ",5,NULL,1");
  }
  void Sand(int quota, const std::string& amount) {
    Line("2," + std::to_string(quota) + ",1,11,NULL,NULL,0,0,0," + amount + ",2,NULL,1");
  }
  // The full calculation lists 62 of sand and 24 of mortar, and says nothing.
  void CalculateAndExpectTheList() {
    p_.RunFull();
    EXPECT_EQ(p_.Rows("select 名称,数量 from 材料价格 where 标志 in('材料','配比') order by 排序"),
              std::vector<std::string>({"砂|62.0", "砂浆|24.0"}));
    EXPECT_TRUE(p_.errors().empty());
  }
};

TEST_F(MaterialListInLineOrderTest, CompositesBeforeTheirComponents) {
  Mortar(1, "2");
  Sand(1, "3");
  Mortar(2, "1");
  Sand(2, "0.5");
  CalculateAndExpectTheList();
}

TEST_F(MaterialListInLineOrderTest, ComponentsFirstAndQuotasInterleaved) {
  Sand(2, "0.5");
  Sand(1, "3");
  Mortar(1, "2");
  Mortar(2, "1");
  CalculateAndExpectTheList();
}

// Lines: cement 113 with 13 % VAT, 2 t; sand at base 10, 3 m3; labour at
// 100, information price 120, 1 day.
class MaterialAmountsTest : public MaterialPricesTest {
 protected:
  MaterialAmountsTest() {
    Setting("材料汇总", "人工=2:人工\n材料=2:材料");
    Quota(1, "'Q1'", "'浇筑'", 1);
    Line("1,1,0,12,NULL,NULL,113,0,13,2,2,NULL,1");
    Line("2,1,0,11,NULL,NULL,10,0,0,3,2,NULL,1");
    Line("3,1,0,13,NULL,NULL,0,120,0,1,1,NULL,1");
  }
  std::vector<std::string> Amounts() {
    return p_.Rows("select 名称,信息价,价差,合价,含税合价 from 材料价格 order by 排序");
  }
};

TEST_F(MaterialAmountsTest, EveryLineGetsItsDifferenceWithoutExclusionSetting) {
  Build();
  // Cement: net price 113 / 1.13 = 100; 含税 113 x 2 = 226; difference
  // (100 - 113) x 2 = -26; amount 100 x 2 = 200. Sand: 10 x 3 = 30.
  // Labour: (120 - 100) x 1 = 20, amount 120, 含税 100.
  EXPECT_EQ(Amounts(), std::vector<std::string>({
                           "◆人工◆|NULL|20.0|120.0|100.0",
                           "人工|120.0|20.0|120.0|100.0",
                           "◆材料◆|NULL|-26.0|230.0|256.0",
                           "砂|0.0|0.0|30.0|30.0",
                           "水泥|100.0|-26.0|200.0|226.0",
                           "#### 合 计 ####|NULL|-6.0|350.0|356.0",
                       }));
  EXPECT_EQ(p_.Type("select 信息价 from 材料价格 where 名称='水泥'"), "real");
  EXPECT_TRUE(p_.errors().empty());
}

TEST_F(MaterialAmountsTest, ExcludedKindsGetNoDifference) {
  Setting("不算价差", "''人工''");
  Build();
  EXPECT_EQ(Amounts(), std::vector<std::string>({
                           "◆人工◆|NULL|0.0|0.0|100.0",
                           "人工|120.0|NULL|NULL|100.0",
                           "◆材料◆|NULL|-26.0|230.0|256.0",
                           "砂|0.0|0.0|30.0|30.0",
                           "水泥|100.0|-26.0|200.0|226.0",
                           "#### 合 计 ####|NULL|-26.0|230.0|356.0",
                       }));
  EXPECT_TRUE(p_.errors().empty());
}

class MaterialCarryOverTest : public MaterialPricesTest {
 protected:
  MaterialCarryOverTest() {
    Setting("材料汇总", "材料=2:材料\n全部=2:材料,人工");
    Setting("恢复数据", "备注=1\n调整系数=0");
    Quota(1, "'Q1'", "'浇筑'", 1);
    // A name with a quote, no class, no supplier.
    Line("1,1,0,0,'M20','O''钢',50,0,0,1,2,NULL,NULL");
    Line("2,1,0,12,NULL,NULL,113,0,13,2,2,1,1");  // with VAT, class 钢材
    Line("3,1,0,11,NULL,NULL,10,0,0,3,2,NULL,2");
    Line("4,1,0,13,NULL,NULL,0,0,0,1,1,NULL,1");
  }
  std::vector<std::string> UserColumns() {
    return p_.Rows(
        "select 名称,备注,调整系数,typeof(调整系数) from 材料价格 where 标志 not in"
        "('分类','合计') order by 排序");
  }
};

TEST_F(MaterialCarryOverTest, KeepsUserColumnsOfUnchangedLines) {
  Build();
  p_.Exec(
      "update 材料价格 set 备注='甲''供',调整系数=1.05 where 名称='O''钢';"
      "update 材料价格 set 备注='含税' where 名称='水泥';"
      "update 材料价格 set 备注='涨价',调整系数=2 where 名称='砂';"
      "update 材料价格 set 备注='工日' where 名称='人工';");
  // The sand line under 材料 comes first: the one under 全部 overwrites
  // it, on both new sand lines.
  p_.Exec(
      "update 材料价格 set 备注='后者' where 名称='砂' and 上级编号="
      "(select 编号 from 材料价格 where 名称='◆全部◆')");
  // Labour gets an information price: a new line, without the user's note.
  p_.Exec("update 分部分项材料明细 set 信息价=120 where 编号=4");

  Build();
  // Cement (VAT) matches although its previous 信息价 was the net price.
  EXPECT_EQ(UserColumns(), std::vector<std::string>({
                               "砂|后者|2.0|real",
                               "水泥|含税|NULL|null",
                               "O'钢|甲'供|1.05|real",
                               "砂|后者|2.0|real",
                               "水泥|含税|NULL|null",
                               "O'钢|甲'供|1.05|real",
                               "人工|NULL|NULL|null",
                           }));
  EXPECT_TRUE(p_.errors().empty());
}

TEST_F(MaterialCarryOverTest, RebuildingTwiceGivesTheSameTable) {
  Build();
  p_.Exec(
      "update 材料价格 set 备注='甲''供',调整系数=1.05 where 名称='O''钢';"
      "update 材料价格 set 备注='含税' where 名称='水泥';");
  const std::string all =
      "select 编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,"
      "含税合价,备注,调整系数,typeof(调整系数) from 材料价格 order by 排序";
  Build();
  const std::vector<std::string> first = p_.Rows(all);
  EXPECT_EQ(p_.Text("select 调整系数 from 材料价格 where 名称='O''钢'"), "1.05");
  Build();
  EXPECT_EQ(p_.Rows(all), first);
  EXPECT_EQ(p_.Text("select count(*) from 材料价格 where 排序<>编号"), "0");
  EXPECT_TRUE(p_.errors().empty());
}

// When a carried column is also compared, an earlier previous line can make
// a new line match a later one.
TEST_F(MaterialPricesTest, CarriedMatchColumnIsSeenByLaterLines) {
  Setting("材料汇总", "材料=2:材料");
  Setting("恢复数据", "信息价=0\n备注=1");
  Quota(1, "'Q1'", "'浇筑'", 1);
  Line("1,1,0,12,NULL,NULL,113,0,13,2,2,NULL,1");
  // Previous build: the cement with VAT (its 信息价 is the net price and is
  // not compared), then the same cement with 信息价 100 and no VAT.
  p_.Exec(
      "insert into 材料价格(上级编号,编码,名称,单位,基价,信息价,增值税率,供应方,标志,排序,备注) "
      "values"
      " (0,'M12','水泥','t',113,100,13,'承包人','材料',1,'先'),"
      " (0,'M12','水泥','t',113,100,0,'承包人','材料',2,'后')");
  Build();
  // The first line writes 信息价 100 to the new line, so the second matches.
  EXPECT_EQ(p_.Rows("select 信息价,备注 from 材料价格 where 名称='水泥'"),
            std::vector<std::string>({"100.0|后"}));
  EXPECT_TRUE(p_.errors().empty());
}

}  // namespace
}  // namespace ftcalc
