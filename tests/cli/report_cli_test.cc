// ftcalc report: the page and the JSON carry the project's stored numbers
// with its price decimals, escape every database text, refer to nothing
// outside the file, and survive a project with tables missing.
#include "host_fixture.h"

namespace ftcalc::host_test {
namespace {

class ReportTest : public HostTest {
 protected:
  std::string Args() { return "report '" + Path("project.db") + "'" + Libraries(); }

  // Two chapters, one with a bill item and a quota; amounts stored with
  // fewer decimals than the project's 3.
  void MakeSmallProject() {
    MakeEmptyProject();
    ExecIn(
        "project.db",
        "insert into 参数 values('价格小数位','3');"
        "insert into 工程档案 values('工程名称','<script>alert(1)</script> & \"桥\"'),"
        "('工程造价','1500.5元'),('单方造价','12元');"
        "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,综合单价,综合合价) values"
        "(1,0,'级1','第100章 总则',NULL,1,0,NULL,1000),"
        "(2,1,'项','保险费 <b>','101-1',2,2,250,500),"
        "(3,2,'定额','定额甲','1-1-1',3,4,125,500),"
        "(4,0,'级1','第200章 路基',NULL,4,0,NULL,500.5),"
        "(5,4,'描述','说明 ''引号''',NULL,5,NULL,NULL,NULL),"
        // A row whose parent is itself: shown at the top, not looped over.
        "(6,6,'项','自己的上级',NULL,6,1,1,1);"
        "insert into 取费索引 values(1,'工程总价','工程总价',1);"
        "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序,计算式,费用) values"
        "(1,'工程总价','1','工程总价','<1>','1','1500.5',1500.5);"
        "insert into 材料价格(上级编号,编码,名称,单位,数量,基价,信息价,价差,合价,标志,排序) values"
        "(0,NULL,'◆材料◆',NULL,NULL,NULL,NULL,NULL,NULL,'分类',1),"
        "(1,'5509001','水泥','t',2.5,300,320,50,800,NULL,2);"
        "insert into 设备汇总(上级编号,编码,名称,单位,数量,基价,信息价,主要,合价,标志,排序) values"
        "(0,'9001','数据采集仪','台',2,46000,45000,1,90000,NULL,1);");
  }
};

TEST_F(ReportTest, HtmlShowsStoredNumbersAndEscapesDatabaseText) {
  MakeSmallProject();
  Result r = Run(Args() + " --html '" + Path("r.html") + "'");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string html = testing::ReadTextFile(Path("r.html"));
  // Price decimals 3: 1500.5 shows as 1500.500, 500.5 as 500.500.
  EXPECT_TRUE(Has(html, ">1500.500<")) << "工程造价";
  EXPECT_TRUE(Has(html, ">12.000<")) << "单方造价";
  EXPECT_TRUE(Has(html, "500.500")) << "chapter 200 total";
  EXPECT_TRUE(Has(html, "第100章 总则") && Has(html, "第200章 路基"));
  EXPECT_TRUE(Has(html, "<details open>"));
  // Chapter shares: 1000 and 500.5 of 1500.5.
  EXPECT_TRUE(Has(html, "(66.6%)") && Has(html, "(33.4%)"));
  EXPECT_TRUE(Has(html, "&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;桥&quot;"));
  EXPECT_FALSE(Has(html, "<script>alert(1)"));
  EXPECT_TRUE(Has(html, "保险费 &lt;b&gt;"));
  EXPECT_TRUE(Has(html, "说明 &#39;引号&#39;"));
  EXPECT_TRUE(Has(html, "自己的上级"));
  EXPECT_TRUE(Has(html, "<tr class=\"group\"><td colspan=\"8\">材料</td></tr>"));
  EXPECT_TRUE(Has(html, "★"));
  // Self-contained: no reference to anything outside the file.
  for (const char* outside : {"http:", "https:", "src=", "href=", "@import", "url("}) {
    EXPECT_FALSE(Has(html, outside)) << outside;
  }
}

TEST_F(ReportTest, JsonCarriesTheSameData) {
  MakeSmallProject();
  Result r = Run(Args() + " --json '" + Path("r.json") + "'");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string json = testing::ReadTextFile(Path("r.json"));
  EXPECT_TRUE(Has(json, "\"工程造价\": 1500.500")) << json;
  EXPECT_TRUE(Has(json, "\"工程名称\": \"<script>alert(1)</script> & \\\"桥\\\"\"")) << json;
  EXPECT_TRUE(Has(json, "\"名称\": \"第200章 路基\",\n      \"综合合价\": 500.500")) << json;
  EXPECT_TRUE(Has(json, "\"综合单价\": null")) << json;
  EXPECT_TRUE(Has(json, "\"信息价\": 320.000")) << json;
  EXPECT_TRUE(Has(json, "\"warnings\": []")) << json;
}

// Rows whose parents form a loop, and a heading 5,000 levels deep: the
// first row of the loop (in display order) goes to the top with the others
// below it, and the JSON stays about as large as the tree (its indentation
// stops growing at 32 levels).
TEST_F(ReportTest, LoopsAndDeepTreesAreShownWhole) {
  MakeSmallProject();
  ExecIn("project.db",
         "insert into 分部分项(编号,上级编号,标志,名称,排序) values"
         "(7,8,'级1','环甲',7),(8,7,'级2','环乙',8),(9,7,'级2','环下',9);"
         "with recursive c(n) as (select 1 union all select n+1 from c where n<5000) "
         "insert into 分部分项(编号,上级编号,标志,名称,排序) "
         "select 100+n, case when n=1 then 4 else 99+n end, '级2', '深'||n, 4+n*0.0001 from c;");
  Result r = Run(Args() + " --json '" + Path("r.json") + "'");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string json = testing::ReadTextFile(Path("r.json"));
  EXPECT_LT(json.size(), 16u << 20);  // about 4 MB; 250 MB with a growing indentation
  EXPECT_TRUE(Has(json, "\"名称\": \"深5000\"")) << "the deepest heading";
  // 环甲 at the top (one level in, as every top row), 环乙 and 环下 its children.
  EXPECT_TRUE(Has(json, "\n    {\n      \"编号\": 7,")) << json.substr(json.size() - 1500);
  EXPECT_TRUE(Has(json, "\"children\": [\n        {\n          \"编号\": 8,"));
  EXPECT_TRUE(Has(json, "\n        {\n          \"编号\": 9,"));
}

TEST_F(ReportTest, MissingTablesAreNamedAndTheRestIsWritten) {
  MakeSmallProject();
  ExecIn("project.db", "drop table 材料价格; drop table 取费索引;");
  const std::string before = testing::ReadTextFile(Path("project.db"));
  Result r = Run(Args() + " --html '" + Path("r.html") + "' --json '" + Path("r.json") + "'");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "材料价格：no such table: 材料价格")) << r.err;
  const std::string html = testing::ReadTextFile(Path("r.html"));
  EXPECT_TRUE(Has(html, "部分数据无法读取"));
  EXPECT_TRUE(Has(html, "数据采集仪"));
  EXPECT_EQ(testing::ReadTextFile(Path("project.db")), before);
}

TEST_F(ReportTest, NeedsAnOutputAndAWritableFile) {
  MakeSmallProject();
  Result r = Run(Args());
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "--html FILE or --json FILE")) << r.err;
  r = Run(Args() + " --html '" + Path("no/such/dir/r.html") + "'");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "cannot write")) << r.err;
}

}  // namespace
}  // namespace ftcalc::host_test
