// ftcalc check: each kind of formula problem found where it is, nothing
// reported on a sound project, and the project never written.
#include <regex>
#include <set>
#include <tuple>

#include "host_fixture.h"

namespace ftcalc::host_test {
namespace {

using Found = std::set<std::tuple<std::string, std::string, std::string>>;  // sheet, 顺号, kind

// (sheet, 顺号, kind) of every problem in the JSON output.
Found ProblemsOf(const std::string& json) {
  Found found;
  const std::regex member("\"(sheet|顺号|kind)\": \"([^\"]*)\"");
  std::string sheet, number;
  for (auto it = std::sregex_iterator(json.begin(), json.end(), member);
       it != std::sregex_iterator(); ++it) {
    const std::string key = (*it)[1], value = (*it)[2];
    if (key == "sheet") sheet = value;
    if (key == "顺号") number = value;
    if (key == "kind") found.insert({sheet, number, value});
  }
  return found;
}

std::string FeeLine(int table, const std::string& profession, const std::string& number,
                    const std::string& name, const std::string& formula, int order) {
  return "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序) values(" + std::to_string(table) +
         ",'" + profession + "','" + number + "','" + name + "','" + formula + "'," +
         std::to_string(order) + ");";
}

class CheckTest : public HostTest {
 protected:
  std::string Args() { return "check '" + Path("project.db") + "'" + Libraries(); }

  // A project with one problem of each kind, in each kind of sheet.
  void SeedProblems() {
    MakeEmptyProject();
    ExecIn("RoadLib.db",
           "insert into 计算设置 values(6,0,'汇总合价','');"
           "insert into 计算设置 values(7,6,'分部分项直接定额费合计',"
           "'select total(合价_定额基价) as 合价 from 分部分项 where 单价取费=[]');"
           "insert into 计算设置 values(8,6,'计日工合计','select 1 as 合价');"
           "insert into 计算设置 values(9,6,'定额法合计','定额法;select 2 as 合价');");
    std::string sql =
        "insert into 工程档案 values('计价方式','清单法');"
        "insert into 取费索引 values(1,'机械土方','综合单价',1);"
        "insert into 取费索引 values(2,'机械土方','专业工程',2);"
        "insert into 取费索引 values(3,'人工土方','专业工程',3);"
        "insert into 取费索引 values(4,'工程总价','工程总价',4);";
    // Unit-price sheet: an unknown marker, a rate without value, a formula
    // the check rejects, a reference to a 顺号 the sheet lacks.
    sql += FeeLine(1, "机械土方", "1", "直接费", "[系统:直接人工费合计]+[系统:人工费]", 1);
    sql += FeeLine(1, "机械土方", "2", "管理费", "<1>*[费率:管理费率]", 2);
    sql += FeeLine(1, "机械土方", "3", "利润", "<1>*/2", 3);
    sql += FeeLine(1, "机械土方", "4", "综合单价", "<1>+<2>+<9>", 4);
    // Specialty table: a cycle, a line that merely depends on it, a
    // project total used in a profession's table.
    sql += FeeLine(2, "机械土方", "1", "定额直接费", "[系统:分部分项直接定额费合计]", 1);
    sql += FeeLine(2, "机械土方", "2", "小型工程增加费", "[系统:小型工程]*[费率:x=1.5%]", 2);
    sql += FeeLine(2, "机械土方", "3", "甲", "<4>+1", 3);
    sql += FeeLine(2, "机械土方", "4", "乙", "<3>+1", 4);
    sql += FeeLine(2, "机械土方", "5", "丙", "<3>*2", 5);
    sql += FeeLine(2, "机械土方", "6", "丁", "[系统:计日工合计]", 6);
    // Specialty table: a chain of 52 lines; the engine resolves one level
    // per pass, so only line 1 (51 levels up) is left after 50 passes.
    for (int k = 1; k <= 51; ++k) {
      sql +=
          FeeLine(3, "人工土方", std::to_string(k), "链", "<" + std::to_string(k + 1) + ">+1", k);
    }
    sql += FeeLine(3, "人工土方", "52", "链", "1", 52);
    // Project-total table: an actual value without "=", a formula that is
    // only text, and a configured total of another pricing method.
    sql += FeeLine(4, "工程总价", "1", "计日工", "[系统:计日工合计]", 1);
    sql += FeeLine(4, "工程总价", "2", "设备", "[系统:第100章 设备费]", 2);
    sql += FeeLine(4, "工程总价", "3", "暂定金", "[实际:暂定金]", 3);
    sql += FeeLine(4, "工程总价", "4", "说明", "见说明", 4);
    sql += FeeLine(4, "工程总价", "5", "定额法", "[系统:定额法合计]", 5);
    sql += FeeLine(4, "工程总价", "6", "工程总价", "<1>+<2>+<3>", 6);
    // An item's own sheet: a chain of 13 lines written bottom-up. Line k
    // waits for line k+1, so pass p evaluates line 13-p; pass 10 evaluates
    // line 3 and puts its value into line 2 (whose formula the final read
    // still evaluates), while line 1 keeps its reference <2>.
    sql +=
        "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,计算) "
        "values(5,0,'定额','某定额','Q-1',1,1,0);";
    for (int k = 1; k <= 12; ++k) {
      sql += "insert into 分部分项取费明细(编号,主表,顺号,项目,公式) values(" + std::to_string(k) +
             ",5,'" + std::to_string(k) + "','行','<" + std::to_string(k + 1) + ">+1');";
    }
    sql += "insert into 分部分项取费明细(编号,主表,顺号,项目,公式) values(13,5,'13','行','1');";
    ExecIn("project.db", sql);
  }
};

TEST_F(CheckTest, FindsEachKindOfProblemWhereItIs) {
  SeedProblems();
  Result r = Run(Args() + " --json");
  EXPECT_EQ(r.exit_code, 1) << r.err;
  const Found expected = {
      {"综合单价 机械土方", "1", "unknown-system"},
      {"综合单价 机械土方", "2", "rate-without-value"},
      {"综合单价 机械土方", "3", "rejected"},
      {"综合单价 机械土方", "4", "missing-row"},
      {"专业工程 机械土方", "3", "cycle"},
      {"专业工程 机械土方", "4", "cycle"},
      {"专业工程 机械土方", "6", "unknown-system"},
      {"专业工程 人工土方", "1", "pass-limit"},
      {"工程总价", "3", "actual-without-value"},
      {"工程总价", "4", "empty"},
      {"工程总价", "5", "unknown-system"},
      {"编号 5 Q-1", "1", "pass-limit"},
  };
  EXPECT_EQ(ProblemsOf(r.out), expected) << r.out;
  EXPECT_TRUE(Has(r.out, "\"problem_count\": 12")) << r.out;
}

TEST_F(CheckTest, TextOutputNamesThePlaceAndTheCheckMessage) {
  SeedProblems();
  Result r = Run(Args());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "符号'*+-/'后不能跟'*+-/)%'")) << r.out;
  EXPECT_TRUE(Has(r.out, "<9>")) << r.out;
  EXPECT_TRUE(Has(r.out, "循环引用（<3> <4>）")) << r.out;
  EXPECT_TRUE(Has(r.out, "50 遍后仍未算出（引用链长 51）")) << r.out;
  EXPECT_TRUE(Has(r.out, "10 遍后仍未算出（引用链长 12）")) << r.out;
  EXPECT_TRUE(Has(r.out, "12 个问题")) << r.out;
  // Columns are as wide as their widest cell in display columns (a CJK
  // character counts two): 分部分项取费明细 is 16 wide, 综合单价 机械土方 17.
  EXPECT_TRUE(Has(r.out, "表" + std::string(16, ' ') + "取费" + std::string(15, ' ') + "顺号"))
      << r.out;
  EXPECT_TRUE(Has(r.out, "分部分项取费明细  编号 5 Q-1" + std::string(9, ' ') + "1 ")) << r.out;
}

TEST_F(CheckTest, SampleProjectIsCleanAndUntouched) {
  MakeSample();
  const std::string before = testing::ReadTextFile(Path("sample.db"));
  Result r = Run("check '" + Path("sample.db") + "'" + Libraries());
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(Has(r.out, "没有发现问题")) << r.out;
  EXPECT_EQ(testing::ReadTextFile(Path("sample.db")), before);
  r = Run("check '" + Path("sample.db") + "'" + Libraries() + " --json");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out, "\"problems\": []")) << r.out;
}

TEST_F(CheckTest, MissingTablesAndOddTextAreReportedNotFatal) {
  MakeEmptyProject();
  ExecIn("project.db",
         "drop table 分部分项取费明细;"
         "insert into 取费索引 values(1,'x''y','综合单价',1);"
         "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序) "
         "values(1,'x''y',NULL,NULL,NULL,1);"
         "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序) "
         "values(1,'x''y','2','''', '<2>*' || char(200) || '\"',2);");
  Result r = Run(Args() + " --json");
  EXPECT_EQ(r.exit_code, 1) << r.err;
  const Found found = ProblemsOf(r.out);
  EXPECT_EQ(found.count({"", "", "unreadable"}), 1u) << r.out;
  EXPECT_EQ(found.count({"综合单价 x'y", "2", "cycle"}), 1u) << r.out;
  EXPECT_EQ(found.count({"综合单价 x'y", "2", "rejected"}), 1u) << r.out;
  EXPECT_TRUE(Has(r.out, "no such table: 分部分项取费明细")) << r.out;
  EXPECT_TRUE(Has(r.out, "\\\"")) << "a quote in a formula is escaped in JSON: " << r.out;
}

TEST_F(CheckTest, JsonStaysValidForAnyStoredText) {
  MakeEmptyProject();
  // A name with a broken UTF-8 sequence and a control character, and a
  // formula with a backslash.
  ExecIn("project.db",
         "insert into 取费索引 values(1,'p','综合单价',1);"
         "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序) values(1,'p','1',"
         "'a' || cast(x'E4FF' as text) || char(1) || 'b','1\\2',1);");
  Result r = Run(Args() + " --json");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "\"项目\": \"a\xEF\xBF\xBD\xEF\xBF\xBD\\u0001b\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "1\\\\2")) << r.out;
}

TEST_F(CheckTest, RefusesFilesThatAreNoProject) {
  MakeEmptyProject();
  Result r = Run("check '" + Path("missing.db") + "'" + Libraries());
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "cannot open project database")) << r.err;
}

}  // namespace
}  // namespace ftcalc::host_test
