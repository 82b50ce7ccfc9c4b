// Quota direct costs from material lines: price selection, rounding of
// sums, percentage lines, main material and equipment totals, and what the
// whole run leaves alone (locked quotas, quotas without material lines).
#include "calc/quota_costs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ftcalc/ftcalc.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

// Flags 1 人工, 2 材料, 3 机械, 4 主材, 5 设备费, 6 商品砼, 7 机材. Every
// quota gets a two-line fee sheet whose 综合单价 is its direct cost, so that
// the fee step leaves the direct-cost columns as this step wrote them.
class QuotaCostsTest : public ::testing::Test {
 protected:
  QuotaCostsTest() {
    project_.Exec(
        "insert into 其他.材料标志(编号,名称) values(1,'人工'),(2,'材料'),(3,'机械'),(4,'主材'),"
        "(5,'设备费'),(6,'商品砼'),(7,'机材');"
        "insert into 定额材料明细(编号,名称,单位,基价) values(900,'水泥','t',12.5),"
        "(901,'其他人工费','%',0);"
        "insert into 分部分项(编号,上级编号,标志,名称,排序,计算) values(1,0,'项','清单',1,1);");
  }

  void AddQuota(int id, double quantity, int locked = 0) {
    const std::string n = std::to_string(id);
    project_.Exec("insert into 分部分项(编号,上级编号,标志,排序,工程量,计算) values(" + n +
                  ",1,'定额'," + n + "," + std::to_string(quantity) + "," +
                  std::to_string(locked) + ");"
                  "insert into 分部分项取费明细(主表,顺号,项目,公式) values(" + n +
                  ",'1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]'),(" +
                  n + ",'2','综合单价','<1>');");
  }

  // A material line: quota, parent line, flag, unit, 基价, 信息价, 实际量, library number.
  void AddLine(int quota, int parent, int flag, const std::string& unit, const std::string& base,
               const std::string& market, double amount, int material = 0) {
    project_.Exec("insert into 分部分项材料明细(主表,上级编号,标志,单位,基价,信息价,实际量,材料编号) "
                  "values(" + std::to_string(quota) + "," + std::to_string(parent) + "," +
                  std::to_string(flag) + "," + unit + "," + base + "," + market + "," +
                  std::to_string(amount) + "," + std::to_string(material) + ")");
  }

  std::string Column(int id, const std::string& column) {
    return project_.Text("select " + column + " from 分部分项 where 编号=" + std::to_string(id));
  }

  TestProject project_;
};

TEST_F(QuotaCostsTest, SumsPricedLinesAndAddsPercentageLines) {
  AddQuota(10, 3);
  AddLine(10, 0, 1, "'工日'", "0", "100", 2);    // 200
  AddLine(10, 7, 1, "'工日'", "0", "50", 1);     // component line: not in the sum
  AddLine(10, 7, 1, "NULL", "0", "0", 10, 901);  // library unit %, nested: +10% of 200
  // Prices: 信息价 -5 loses to 基价 7; 基价 -3 counts; library 12.5 x 2;
  // no library row prices nothing; 2.345 rounds alone to 2.35; a text
  // 信息价 '' is no market price, so 基价 4 applies.
  AddLine(10, 0, 2, "'t'", "7", "-5", 1);
  AddLine(10, 0, 6, "'t'", "-3", "0", 1);
  AddLine(10, 0, 2, "'t'", "0", "0", 2, 900);
  AddLine(10, 0, 2, "'t'", "0", "0", 1, 999);
  AddLine(10, 0, 2, "'t'", "0", "2.345", 1);
  AddLine(10, 0, 2, "'t'", "4", "''", 1);
  AddLine(10, 0, 7, "'台班'", "10", "0", 0.5);
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");

  EXPECT_EQ(Column(10, "单价_人工费"), "220.0");  // 200 + FtRou(200*10/100)
  EXPECT_EQ(Column(10, "单价_材料费"), "35.35");  // 7 - 3 + 25 + 2.35 + 4
  EXPECT_EQ(Column(10, "单价_机械费"), "5.0");
  EXPECT_EQ(Column(10, "合价_人工费"), "660.0");
  EXPECT_EQ(Column(10, "合价_材料费"), "106.05");
  EXPECT_EQ(project_.Type("select 单价_人工费 from 分部分项 where 编号=10"), "real");
  EXPECT_EQ(Column(10, "综合单价"), "260.35");  // 220 + 35.35 + 5
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(QuotaCostsTest, MainMaterialCountsQuantityEquipmentDoesNot) {
  AddQuota(10, 3);
  AddLine(10, 0, 4, "'m3'", "10", "0", 2);  // 10 x 2 x 3 = 60
  AddLine(10, 5, 5, "'台'", "10", "0", 2);  // 10 x 2 = 20, nested lines count
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(10, "合价_主材费"), "60.0");
  EXPECT_EQ(Column(10, "合价_设备费"), "20.0");
  EXPECT_EQ(Column(10, "单价_材料费"), "0.0");
}

TEST_F(QuotaCostsTest, WholeRunLeavesLockedAndLineLessQuotasAlone) {
  AddQuota(10, 2);
  AddLine(10, 0, 1, "'工日'", "0", "10", 1);
  AddQuota(11, 2, /*locked=*/1);
  AddLine(11, 0, 1, "'工日'", "0", "10", 1);
  AddLine(11, 0, 4, "'t'", "5", "0", 1);  // 5 x 1 x 2
  AddQuota(12, 4);                         // no material lines
  project_.Exec(
      "update 分部分项 set 单价_人工费=9,综合单价=99,合价_主材费=1 where 编号=11;"
      "update 分部分项 set 单价_人工费=100,单价_材料费=50,单价_机械费=30.25 where 编号=12;"
      "insert into 分部分项(编号,上级编号,标志,计算,综合合价) values(20,0,'级2',0,5),"
      "(21,0,'级2',1,5);");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");

  EXPECT_EQ(Column(11, "单价_人工费"), "9.0");
  EXPECT_EQ(Column(11, "综合单价"), "99.0");
  EXPECT_EQ(Column(11, "合价_主材费"), "10.0");  // recomputed, 计算 regardless
  EXPECT_EQ(Column(12, "单价_人工费"), "100.0");
  EXPECT_EQ(Column(12, "合价_人工费"), "400.0");
  EXPECT_EQ(Column(12, "合价_机械费"), "121.0");
  EXPECT_EQ(Column(12, "综合单价"), "180.25");
  EXPECT_EQ(Column(10, "合价_人工费"), "20.0");
  EXPECT_EQ(Column(20, "综合合价"), "0.0");  // reset: every row with 计算=0
  EXPECT_EQ(Column(21, "综合合价"), "5.0");
  EXPECT_TRUE(project_.errors().empty());
}

// The direct costs' and the fees' totals are written with the fee step's
// write of each row. Where that could differ from their two updates, the
// updates run: a unit cost the user typed as text (SQLite reads its number:
// '12元' x 2 is 24), and a sheet that writes 计算 (the update after the
// sheets no longer reaches its row, whose fee totals stay as reset).
TEST_F(QuotaCostsTest, TotalsAroundTheFeeSheetsAsTheirUpdatesLeaveThem) {
  AddQuota(10, 2);
  AddLine(10, 0, 1, "'工日'", "0", "10", 1.5);
  project_.Exec("insert into 分部分项取费明细(主表,顺号,项目,公式) values(10,'3','利润','2.5')");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(10, "合价_人工费"), "30.0");  // 10 x 1.5 x 2
  EXPECT_EQ(Column(10, "合价_利润"), "5.0");     // 2.5 x 2
  EXPECT_EQ(project_.Type("select 合价_利润 from 分部分项 where 编号=10"), "real");

  AddQuota(12, 2);  // no material lines: the typed unit cost stays
  project_.Exec("update 分部分项 set 单价_人工费='12元' where 编号=12");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(12, "合价_人工费"), "24.0");
  EXPECT_EQ(Column(10, "合价_人工费"), "30.0");
  EXPECT_EQ(Column(10, "合价_利润"), "5.0");

  project_.Exec(
      "update 分部分项 set 单价_人工费=0 where 编号=12;"
      "insert into 分部分项取费明细(主表,顺号,项目,公式) values(12,'3','计算','1'),"
      "(12,'4','利润','7')");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(12, "计算"), "1");
  EXPECT_EQ(Column(12, "利润"), "7.0");
  EXPECT_EQ(Column(12, "合价_利润"), "0.0");
  EXPECT_EQ(Column(10, "合价_利润"), "5.0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(QuotaCostsTest, StrayLineWithoutQuotaDoesNotWipeEnteredCosts) {
  AddQuota(12, 4);  // no material lines: its entered unit costs stay
  project_.Exec(
      "update 分部分项 set 单价_人工费=100 where 编号=12;"
      "insert into 分部分项材料明细(主表,上级编号,标志,实际量) values(NULL,0,1,1);");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(12, "单价_人工费"), "100.0");
  EXPECT_EQ(Column(12, "合价_人工费"), "400.0");
}

TEST_F(QuotaCostsTest, EmptyExclusionListResetsEveryUncalculatedRow) {
  AddQuota(10, 1);
  AddLine(10, 0, 1, "'工日'", "0", "10", 1);
  project_.Exec("insert into 分部分项(编号,上级编号,标志,计算,利润) values(20,0,'级2',0,7);");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "0");
  EXPECT_EQ(Column(20, "利润"), "0.0");
  EXPECT_TRUE(project_.errors().empty());
}

TEST_F(QuotaCostsTest, SingleRunOfLineLessQuotaResetsOnlyMaterialTotals) {
  AddQuota(12, 4, /*locked=*/1);
  project_.Exec(
      "update 分部分项 set 单价_人工费=100,合价_主材费=7,合价_设备费=8,管理费=3 where 编号=12;"
      "delete from 分部分项取费明细 where 主表=12;"
      "insert into 分部分项取费明细(主表,顺号,项目,公式) values(12,'1','综合单价','5');");
  project_.SetUpEngine();
  CalculateQuotaCosts(project_.Context(), "12");
  EXPECT_EQ(Column(12, "合价_主材费"), "0.0");
  EXPECT_EQ(Column(12, "合价_设备费"), "0.0");
  // The single-line sheet clears the fee columns, but the entered unit
  // costs of a quota without material lines stay.
  EXPECT_EQ(Column(12, "单价_人工费"), "100.0");
  EXPECT_EQ(Column(12, "合价_人工费"), "0.0");
  EXPECT_EQ(Column(12, "管理费"), "0.0");
  EXPECT_EQ(Column(12, "综合合价"), "20.0");
}

struct ProgressTexts {
  std::vector<std::string> texts;
};
ProgressTexts* g_progress = nullptr;

void RecordShow(void*, const char*, const char* text, int, int) {
  g_progress->texts.push_back(text);
}
void IgnoreError(void*, const char*, const char*) {}
void IgnoreOpen(void*, const char*, int) {}
int NotCancelled(void*) { return 0; }
void IgnoreClose(void*) {}

TEST_F(QuotaCostsTest, WholeRunReportsItsProgress) {
  project_.Exec("insert into 工程档案(名称,内容) values('工程名称','试验段')");
  AddQuota(10, 1);
  ProgressTexts progress;
  g_progress = &progress;
  const std::string exe = project_.dir() + "/host";
  FtHostInterface host{};
  host.context = const_cast<char*>(exe.c_str());
  host.executable_path = [](void* context) { return static_cast<const char*>(context); };
  host.show_db_error = IgnoreError;
  host.progress_open = IgnoreOpen;
  host.progress_show = RecordShow;
  host.progress_cancelled = NotCancelled;
  host.progress_close = IgnoreClose;
  FtSetHostInterface(&host);
  project_.RunFull();
  g_progress = nullptr;

  std::vector<std::string> mine;
  for (const std::string& text : progress.texts) {
    if (text.rfind("计算:定额人材机...", 0) == 0) mine.push_back(text);
  }
  const std::vector<std::string> expected = {
      "计算:定额人材机...初始化 试验段", "计算:定额人材机...人工费 试验段",
      "计算:定额人材机...材料费 试验段", "计算:定额人材机...机械费 试验段",
      "计算:定额人材机...主材费 试验段", "计算:定额人材机...设备费 试验段",
      "计算:定额人材机...综合单价和综合合价 试验段"};
  EXPECT_EQ(mine, expected);
}

}  // namespace
}  // namespace ftcalc
