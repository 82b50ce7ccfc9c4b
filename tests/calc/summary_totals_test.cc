// 汇总合价: the chapter equipment rows under bill-of-quantities pricing and
// the totals configured in the library, with their pricing-method prefixes
// and per-profession statements.
#include "calc/summary_totals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/number_text.h"
#include "data/query.h"
#include "data/fields.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

using Rows = std::vector<std::string>;

// Material kinds 1 人工 and 5 设备; library materials 900 and 901.
class SummaryTotalsTest : public ::testing::Test {
 protected:
  SummaryTotalsTest() {
    project_.Exec(
        "insert into 其他.材料标志(编号,名称) values(1,'人工'),(5,'设备');"
        "insert into 定额材料明细(编号,名称,基价) values(900,'发电机',33.333),(901,'水泵',20);");
  }

  void SetMethod(const std::string& method) {
    project_.Exec("insert into 工程档案(名称,内容) values('计价方式','" + method + "')");
  }

  void AddHeading(int id, const std::string& name, double order) {
    project_.Exec("insert into 分部分项(编号,上级编号,标志,名称,排序) values(" +
                  std::to_string(id) + ",0,'级2','" + name + "'," + std::to_string(order) + ")");
  }

  // `quantity` and `equipment` are SQL expressions.
  void AddQuota(int id, const std::string& quantity, const std::string& equipment, double order) {
    project_.Exec("insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,设备费) values(" +
                  std::to_string(id) + ",0,'定额','定额" + std::to_string(id) + "'," +
                  std::to_string(order) + "," + quantity + "," + equipment + ")");
  }

  // Values are SQL expressions.
  void AddLine(int quota, int kind, const std::string& base, const std::string& market,
               const std::string& amount, int material) {
    project_.Exec("insert into 分部分项材料明细(主表,上级编号,标志,基价,信息价,实际量,材料编号) "
                  "values(" + std::to_string(quota) + ",0," + std::to_string(kind) + "," + base +
                  "," + market + "," + amount + "," + std::to_string(material) + ")");
  }

  void AddSetting(int id, const std::string& name, const std::string& content) {
    project_.Exec("insert or ignore into RoadLib.计算设置(编号,上级编号,名称,内容) "
                  "values(1,0,'汇总合价','');"
                  "insert into RoadLib.计算设置(编号,上级编号,名称,内容) values(" +
                  std::to_string(id) + ",1,'" + name + "','" + content + "')");
  }

  Rows Totals() {
    return project_.Rows("select 分类,名称,合价,typeof(合价) from 汇总合价 order by rowid");
  }

  void Run() {
    project_.SetUpEngine();
    BuildSummaryTotals(project_.Context());
  }

  TestProject project_;
};

TEST_F(SummaryTotalsTest, ChapterRowsSumEquipmentOfTheirQuotas) {
  SetMethod("清单法");
  project_.Exec("insert into 汇总合价(分类,名称,合价) values('工程总价','上次',1)");
  AddQuota(8, "10", "5", 5);  // before any chapter heading: counted nowhere
  AddLine(8, 5, "9", "0", "1", 901);
  AddHeading(1, "第100章 总则", 10);
  AddQuota(2, "2.5", "1", 11);
  AddLine(2, 5, "0", "100", "1.5", 900);  // 信息价 100 * 1.5 * 2.5 = 375
  AddLine(2, 5, "0", "0", "1", 900);      // library 33.333 * 2.5 = 83.3325 -> 83.33
  AddLine(2, 1, "500", "0", "1", 901);    // labour: not equipment
  AddQuota(3, "3", "1", 12);
  AddLine(3, 5, "12.345", "NULL", "1", 901);  // 37.035 -> 37.04 (half up)
  AddHeading(4, "第200章 路基", 20);
  AddQuota(5, "1", "1", 21);
  // An empty-text 信息价 is no price: 基价 50 * 2 = 100.
  AddLine(5, 5, "50", "''", "2", 901);
  AddQuota(6, "1", "0", 22);  // no 设备费: not part of the walk
  AddLine(6, 5, "70", "0", "1", 901);
  AddQuota(9, "1", "''", 23);  // an empty-text 设备费 is 0 as well
  AddLine(9, 5, "40", "0", "1", 901);
  AddHeading(7, "第300章 路面", 30);  // no equipment quotas

  Run();

  // 第100章: 375 + 83.33 + 37.04 = 495.37.
  EXPECT_EQ(Totals(), (Rows{"工程总价|第100章 设备费|495.37|real",
                            "工程总价|第200章 设备费|100.0|real",
                            "工程总价|第300章 设备费|0.0|real",
                            "工程总价|第400章 设备费|0.0|real",
                            "工程总价|第500章 设备费|0.0|real",
                            "工程总价|第600章 设备费|0.0|real",
                            "工程总价|第700章 设备费|0.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
  // The working table of quantities does not outlive the step.
  EXPECT_EQ(project_.Text("select count(*) from sqlite_temp_master"), "0");
}

// Every quota amount must be what the statement with the quota's quantity
// pasted as a number literal gives, whatever the quantity holds.
TEST_F(SummaryTotalsTest, EquipmentAmountMatchesThePastedQuantityStatement) {
  SetMethod("清单法");
  const std::vector<std::string> quantities = {"0.1+0.2", "1.0/3", "NULL", "'2.5x'",
                                               "'abc'",   "1e-7",  "123456.789"};
  for (size_t i = 0; i < quantities.size(); ++i) {
    const int heading = 10 * static_cast<int>(i + 1);
    AddHeading(heading, "第" + std::to_string(i + 1) + "00章 x", heading);
    AddQuota(heading + 1, quantities[i], "1", heading + 1);
    AddLine(heading + 1, 5, "0", "0.7", "1.1", 900);
    AddLine(heading + 1, 5, "3.3", "0", "0.35", 900);
    AddLine(heading + 1, 5, "0", "0", "1.7", 900);
  }
  Run();

  for (size_t i = 0; i < quantities.size(); ++i) {
    const std::string n = std::to_string(10 * (i + 1) + 1);
    Query row;
    DbError error;
    ASSERT_TRUE(row.Open(project_.db(), "select 工程量 from 分部分项 where 编号=" + n, &error));
    const std::string q = FieldNumberLiteral(row, "工程量");
    const double amount = project_.Number(
        "select FtRou(total(FtRou( (case when cast(a.信息价 as real)>0 then a.信息价 else "
        "(case when cast(a.基价 as real)<>0 then a.基价 else b.基价 end) end) * a.实际量 * " +
        q + ",2)),2) as 合计 from 分部分项材料明细 a left join 定额材料明细 b on "
        "b.编号=a.材料编号 where 主表=" + n +
        " and a.标志=(select 编号 from 其他.材料标志 where 名称='设备')");
    const std::string name = "第" + std::to_string(i + 1) + "00章 设备费";
    EXPECT_EQ(project_.Number("select 合价 from 汇总合价 where 名称='" + name + "'"),
              RoundHalfUp(2, amount))
        << quantities[i];
  }
  // 0.1+0.2 pastes as 0.3: 0.7*1.1*0.3 = 0.231 -> 0.23, 3.3*0.35*0.3 = 0.3465
  // -> 0.35, 33.333*1.7*0.3 = 16.99983 -> 17; 0.23 + 0.35 + 17 = 17.58.
  EXPECT_EQ(project_.Text("select 合价 from 汇总合价 where 名称='第100章 设备费'"), "17.58");
  EXPECT_EQ(project_.Text("select 合价 from 汇总合价 where 名称='第300章 设备费'"), "0.0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(SummaryTotalsTest, OtherPricingMethodHasOnlyConfiguredTotals) {
  SetMethod("定额法");
  AddHeading(1, "第100章 总则", 1);
  AddQuota(2, "1", "1", 2);
  AddLine(2, 5, "10", "0", "1", 901);
  AddSetting(2, "建安费", "select 1234.5678 as 合价");
  Run();
  EXPECT_EQ(Totals(), (Rows{"工程总价|建安费|1234.57|real"}));
}

TEST_F(SummaryTotalsTest, ConfigurationLinesFollowTheirPricingMethodPrefix) {
  SetMethod("清单法");
  AddSetting(2, " 前缀 ",
             "\r\n清单法;select 1 as 合价\r\n定额法;select 2 as 合价\r\n\r\n"
             "工程总价;select 3 as 合价;不是语句\r\nselect 4 as 合价 where 0\r\n");
  AddSetting(3, "坏", "select 合价 from 没有的表");
  AddSetting(4, "溢出", "select ''1e999'' as 合价");  // not finite: counts as 0
  Run();
  Rows totals = Totals();
  ASSERT_EQ(totals.size(), 12u);
  totals.erase(totals.begin(), totals.begin() + 7);
  // A statement without rows or one that fails still gives its row, at 0.
  EXPECT_EQ(totals, (Rows{"工程总价|前缀|1.0|real", "工程总价|前缀|3.0|real",
                          "工程总价|前缀|0.0|real", "工程总价|坏|0.0|real",
                          "工程总价|溢出|0.0|real"}));
  ASSERT_EQ(project_.errors().size(), 1u);
  EXPECT_EQ(project_.errors()[0].detail, "select 合价 from 没有的表");
}

TEST_F(SummaryTotalsTest, ProfessionStatementGivesOneRowPerProfession) {
  SetMethod("公路");
  project_.Exec(
      "insert into 取费索引(编号,取费专业,类别,排序) values(1,'路基','专业工程',3),"
      "(2,'桥''梁','专业工程',1),(3,'路面','专业工程',2),(4,'工程总价','工程总价',0);"
      "insert into 分部分项(编号,标志,单价取费,合价_人工费) values(1,'定额','路基',1.115),"
      "(2,'定额','路基',2),(3,'定额','桥''梁',7.005),(4,'定额','路面',NULL)");
  // A quote in a profession or a total's name is pasted doubled.
  AddSetting(2, "人工费''合计",
             "select ifnull(sum(合价_人工费),0) as 合价 from 分部分项 where 单价取费=[]");
  Run();
  // 路基 1.115 + 2 = 3.115 -> 3.12 (half up within the tolerance).
  EXPECT_EQ(Totals(), (Rows{"桥'梁|人工费'合计|7.01|real", "路面|人工费'合计|0.0|real",
                            "路基|人工费'合计|3.12|real"}));
  EXPECT_TRUE(project_.errors().empty());
}

// The usual form of a per-profession total, which is summed for every
// profession in one pass: only quota rows count, each as total() reads it.
TEST_F(SummaryTotalsTest, QuotaColumnTotalsOfEveryProfession) {
  SetMethod("公路");
  project_.Exec(
      "insert into 取费索引(编号,取费专业,类别,排序) values(1,'路基','专业工程',2),"
      "(2,'桥''梁','专业工程',1),(3,'隧道','专业工程',3);"
      "insert into 分部分项(编号,标志,单价取费,合价_机械费) values(1,'定额','路基',1.005),"
      "(2,'项','路基',100),(3,'定额','桥''梁','2.5x'),(4,'定额','路基',NULL),"
      "(5,'定额','路基',2),(6,'定额',NULL,50),(7,'定额','路基',0.001)");
  AddSetting(2, "机械费合计",
             "select total(合价_机械费) as 合价 from 分部分项 where 标志=''定额'' and 单价取费=[]");
  Run();
  // 路基 1.005 + 2 + 0.001 = 3.006 -> 3.01; 桥'梁 reads '2.5x' as 2.5; the
  // bill item and the row without a profession count nowhere.
  EXPECT_EQ(Totals(), (Rows{"桥'梁|机械费合计|2.5|real", "路基|机械费合计|3.01|real",
                            "隧道|机械费合计|0.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
  EngineContext& ctx = project_.Context();
  if (ctx.options.fast_paths) {
    EXPECT_TRUE(ctx.declined_fast_paths.empty());
  }
}

// Several per-profession totals, as the library lists them: each reads the
// rows as its own statements would (one pass may serve them all), a column
// the table lacks is reported by its statements without spoiling the
// others.
class ProfessionTotalsTest : public SummaryTotalsTest {
 protected:
  ProfessionTotalsTest() {
    SetMethod("公路");
    project_.Exec(
        "insert into 取费索引(编号,取费专业,类别,排序) values(1,'路基','专业工程',1),"
        "(2,'路面','专业工程',2);"
        "insert into 分部分项(编号,标志,单价取费,合价_人工费,合价_机械费) values"
        "(1,'定额','路基',1.004,10),(2,'定额','路面',2.5,NULL),(3,'定额','路基',0.002,0.5)");
    AddSetting(2, "人工费合计", "select total(合价_人工费)" + tail_);
    AddSetting(4, "机械费合计", "select total(合价_机械费)" + tail_);
  }

  const std::string tail_ = " as 合价 from 分部分项 where 标志=''定额'' and 单价取费=[]";
};

TEST_F(ProfessionTotalsTest, EachTotalSumsItsOwnColumn) {
  Run();
  // 路基 1.004 + 0.002 = 1.006 -> 1.01 and 10 + 0.5; 路面 2.5 and NULL.
  EXPECT_EQ(Totals(), (Rows{"路基|人工费合计|1.01|real", "路面|人工费合计|2.5|real",
                            "路基|机械费合计|10.5|real", "路面|机械费合计|0.0|real"}));
  EXPECT_TRUE(project_.errors().empty());
  EngineContext& ctx = project_.Context();
  if (ctx.options.fast_paths) {
    EXPECT_TRUE(ctx.declined_fast_paths.empty());
  }
}

TEST_F(ProfessionTotalsTest, AColumnTheTableLacksIsReportedByItsStatements) {
  AddSetting(3, "坏列合计", "select total(没有的列)" + tail_);
  Run();
  EXPECT_EQ(Totals(), (Rows{"路基|人工费合计|1.01|real", "路面|人工费合计|2.5|real",
                            "路基|机械费合计|10.5|real", "路面|机械费合计|0.0|real",
                            "路基|坏列合计|0.0|real", "路面|坏列合计|0.0|real"}));
  ASSERT_EQ(project_.errors().size(), 2u);
  EXPECT_EQ(project_.errors()[1].detail,
            "select total(没有的列) as 合价 from 分部分项 where 标志='定额' and 单价取费='路面'");
}

TEST_F(ProfessionTotalsTest, ATriggerOfTheTotalsIsSeenByTheTotalsAfterIt) {
  // A host's trigger that adds a 路面 quota when the first total is stored:
  // the 机械费 total, read after it, counts that quota's 4.
  project_.Exec(
      "create trigger 加定额 after insert on 汇总合价 when new.名称='人工费合计' and "
      "new.分类='路面' begin insert into 分部分项(编号,标志,单价取费,合价_机械费) "
      "values(9,'定额','路面',4); end");
  Run();
  EXPECT_EQ(Totals(), (Rows{"路基|人工费合计|1.01|real", "路面|人工费合计|2.5|real",
                            "路基|机械费合计|10.5|real", "路面|机械费合计|4.0|real"}));
}

}  // namespace
}  // namespace ftcalc
