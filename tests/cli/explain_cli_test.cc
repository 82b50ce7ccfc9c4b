// ftcalc explain: the worked example of an item's own fee sheet, the price
// chosen for each material line, and a project left as it was.
#include "host_fixture.h"

namespace ftcalc::host_test {
namespace {

class ExplainTest : public HostTest {
 protected:
  std::string Args(int item) {
    return "explain '" + Path("project.db") + "'" + Libraries() + " --item " + std::to_string(item);
  }

  // The worked example: unit costs 100, 50 and 30.25, quantity 4, price
  // decimals 2, and an own sheet 直接费 / 管理费 at 5% / 综合单价.
  void MakeWorkedExample() {
    MakeEmptyProject();
    ExecIn("project.db",
           "insert into 参数 values('价格小数位','2');"
           "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,计算,"
           "单价_人工费,单价_材料费,单价_机械费) values(1,0,'定额','例','E-1',1,4,0,100,50,30.25);"
           "insert into 分部分项取费明细(编号,主表,顺号,项目,公式) values"
           "(1,1,'1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]'),"
           "(2,1,'2','管理费','<1>*[费率:管理费率=5%]'),"
           "(3,1,'3','综合单价','<1>+<2>');");
  }
};

TEST_F(ExplainTest, WorkedExampleShowsEachLineSubstitutedAndRounded) {
  MakeWorkedExample();
  const std::string before = testing::ReadTextFile(Path("project.db"));
  Result r = Run(Args(1));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // 直接费 = 100 + 50 + 30.25; 管理费 = 180.25 × 0.05 = 9.0125 → 9.01;
  // 综合单价 = 180.25 + 9.01; 综合合价 = 189.26 × 4.
  EXPECT_TRUE(Has(r.out, "1  直接费    180.25\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "代入  100+50+30.25\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "2  管理费    9.01\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "公式  <1>*[费率:管理费率=5%]\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "代入  180.25*0.05\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "3  综合单价  189.26\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "代入  180.25+9.01\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "综合单价 = 3 行 = 189.26")) << r.out;
  EXPECT_TRUE(Has(r.out, "综合合价 = 189.26 × 4 = 757.04")) << r.out;
  EXPECT_TRUE(Has(r.out, "写入列：直接费 180.25，管理费 9.01")) << r.out;
  // Nothing was calculated into the file: explain only reads.
  EXPECT_TRUE(Has(r.out, "存储 0.00")) << r.out;
  EXPECT_EQ(testing::ReadTextFile(Path("project.db")), before);
}

TEST_F(ExplainTest, AgreesWithTheStoredPriceAfterACalculation) {
  MakeWorkedExample();
  ExecIn("project.db", "insert into 工程档案 values('工程名称','例');");
  Result calc =
      Run("calc '" + Path("project.db") + "'" + Libraries() + " --exe-dir '" + dir_ + "' --quiet");
  ASSERT_EQ(calc.exit_code, 0) << calc.out << calc.err;
  Result r = Run(Args(1));
  EXPECT_TRUE(Has(r.out, "综合单价 = 3 行 = 189.26    存储 189.26")) << r.out;
  EXPECT_TRUE(Has(r.out, "757.04    存储 757.04")) << r.out;
}

TEST_F(ExplainTest, MaterialLinesShowThePriceChosen) {
  MakeEmptyProject();
  ExecIn("Other.db", "insert into 材料标志 values(1,'人工'),(2,'材料'),(3,'机械'),(4,'主材');");
  ExecIn("project.db",
         "insert into 参数 values('价格小数位','2');"
         "insert into 定额材料明细 values(1,'1001001','人工','工日',106.28),"
         "(2,'1999001','其他人工费','%',0),(3,'5509001','水泥','t',300),"
         "(4,'8001001','推土机','台班',1000),(5,'3001001','沥青','t',3500);"
         "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,计算,单价取费) "
         "values(2,0,'定额','土方','1-1',1,3,0,'无');"
         // 信息价 0 and 基价 0: the library's 106.28; × 2 = 212.56.
         "insert into 分部分项材料明细(编号,主表,上级编号,材料编号,单位,基价,信息价,实际量,标志) "
         "values"
         "(1,2,0,1,NULL,0,0,2,1),"
         // Percentage line (unit from the library): 10% of 212.56 = 21.256 → 21.26.
         "(2,2,0,2,NULL,0,0,10,1),"
         // 信息价 above 0 wins over 基价: 12.5 × 2 = 25.
         "(3,2,0,3,'t',10,12.5,2,2),"
         // A negative own 基价 counts: -3 × 2 = -6.
         "(4,2,0,4,'台班',-3,0,2,3),"
         // Main material: 3500 × 0.5 × quantity 3 = 5250.
         "(5,2,0,5,'t',0,0,0.5,4);");
  Result r = Run(Args(2));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "106.28  库基价   212.56")) << r.out;
  EXPECT_TRUE(Has(r.out, "12.50  信息价    25.00")) << r.out;
  EXPECT_TRUE(Has(r.out, "-3.00  基价      -6.00")) << r.out;
  EXPECT_TRUE(Has(r.out, "212.56 + 10% = 233.82")) << r.out;
  EXPECT_TRUE(Has(r.out, "5250.00")) << r.out;
  EXPECT_TRUE(Has(r.out, "没有取费行：综合单价和综合合价为 0")) << r.out;
}

// The line of `text` that starts with `start` (after its indent); empty
// when there is none.
std::string LineStarting(const std::string& text, const std::string& start) {
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(begin, end - begin);
    const size_t first = line.find_first_not_of(' ');
    if (first != std::string::npos && line.compare(first, start.size(), start) == 0) return line;
    begin = end + 1;
  }
  return std::string();
}

TEST_F(ExplainTest, ALineCountsUnderTheKindTheQuotaStepSumsItUnder) {
  MakeEmptyProject();
  // Two 材料标志 rows are named 人工: the quota step takes the labour lines
  // of the first one only (编号 1), so the line flagged 5 adds nothing.
  ExecIn("Other.db", "insert into 材料标志 values(1,'人工'),(2,'材料'),(5,'人工');");
  ExecIn("project.db",
         "insert into 参数 values('价格小数位','2');"
         "insert into 工程档案 values('工程名称','例');"
         "insert into 定额材料明细 values(1,'1001001','人工','工日',100);"
         "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,计算,单价取费) "
         "values(2,0,'定额','土方','1-1',1,1,0,'无');"
         "insert into 分部分项材料明细(编号,主表,上级编号,材料编号,单位,基价,信息价,实际量,标志) "
         // 100 × 2 = 200 counts; 100 × 3 = 300 under 标志 5 does not.
         "values(1,2,0,1,NULL,0,0,2,1),(2,2,0,1,NULL,0,0,3,5);"
         // The price is the labour cost itself: 200 (a price of 0 would
         // clear the stored unit costs).
         "insert into 分部分项取费明细(编号,主表,顺号,项目,公式) values"
         "(1,2,'1','直接费','[系统:直接人工费合计]'),(2,2,'2','综合单价','<1>');");
  Result calc =
      Run("calc '" + Path("project.db") + "'" + Libraries() + " --exe-dir '" + dir_ + "' --quiet");
  ASSERT_EQ(calc.exit_code, 0) << calc.out << calc.err;
  Result r = Run(Args(2));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(LineStarting(r.out, "人工/其他"), "库基价，不计入")) << r.out;
  // From the lines 200.00, and 200.00 stored by the calculation.
  const std::string labour = LineStarting(r.out, "单价_人工费");
  const size_t first = labour.find("200.00");
  ASSERT_NE(first, std::string::npos) << r.out;
  EXPECT_NE(labour.find("200.00", first + 1), std::string::npos) << r.out;
  EXPECT_FALSE(Has(labour, "500.00")) << r.out;
  EXPECT_TRUE(Has(r.out, "综合单价 = 2 行 = 200.00    存储 200.00")) << r.out;
}

TEST_F(ExplainTest, RoundsWithTheDefaultDecimalsOfTheInstall) {
  MakeWorkedExample();
  // Neither the project nor the library sets 价格小数位: an install whose
  // folder names 水利 prices to 5 decimals, any other to 2.
  ExecIn("project.db", "delete from 参数 where 名称='价格小数位';");
  const std::string folder = Path("水利工程");
  ASSERT_EQ(
      std::system(("mkdir '" + folder + "' && cp '" + ftcalc_ + "' '" + folder + "/'").c_str()), 0);
  Result plain = Run(Args(1));
  ASSERT_EQ(plain.exit_code, 0) << plain.err;
  EXPECT_TRUE(Has(plain.out, "价格小数位 2")) << plain.out;
  EXPECT_TRUE(Has(plain.out, "综合合价 = 189.26 × 4 = 757.04")) << plain.out;

  ftcalc_ = folder + "/ftcalc";
  Result water = Run(Args(1));
  ASSERT_EQ(water.exit_code, 0) << water.err;
  EXPECT_TRUE(Has(water.out, "价格小数位 5")) << water.out;
  // 管理费 = 180.25 × 0.05 = 9.0125, kept whole at 5 decimals; 综合单价 =
  // 180.25 + 9.0125 = 189.2625; 综合合价 = 189.2625 × 4 = 757.05.
  EXPECT_TRUE(Has(water.out, "2  管理费    9.01250\n")) << water.out;
  EXPECT_TRUE(Has(water.out, "综合单价 = 3 行 = 189.26250")) << water.out;
  EXPECT_TRUE(Has(water.out, "综合合价 = 189.26250 × 4 = 757.05000")) << water.out;
}

TEST_F(ExplainTest, UnknownItemAndMissingTablesGiveAClearMessage) {
  MakeWorkedExample();
  Result r = Run(Args(99));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "no row with 编号 99")) << r.err;

  ExecIn("project.db", "drop table 分部分项材料明细; drop table 分部分项取费明细;");
  r = Run(Args(1));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "无法读取：no such table: 分部分项材料明细")) << r.out;
  EXPECT_TRUE(Has(r.out, "无法读取 分部分项取费明细")) << r.out;
}

}  // namespace
}  // namespace ftcalc::host_test
