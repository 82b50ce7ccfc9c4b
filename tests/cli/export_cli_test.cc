// ftcalc export: the workbook read back by openpyxl holds every stored number
// of the project as a number, shown with the project's own decimals, with the
// tree as Excel outline levels; the project is never changed, and bad input
// writes nothing.
#include "workbook_fixture.h"

namespace ftcalc::host_test {
namespace {

class ExportTest : public WorkbookTest {
 protected:
  std::string Export(const std::string& project, const std::string& xlsx) {
    return "export '" + Path(project) + "'" + Libraries() + " --xlsx '" + Path(xlsx) + "'";
  }

  // Two chapters, the second with headings nested ten deep; 3 price and 1
  // quantity decimals; a REAL that needs 17 digits (0.1+0.2); a row that is
  // its own parent; a project name with the page header's code character;
  // a control character and bytes that are no UTF-8 in the facts.
  void MakeSmallProject() {
    MakeEmptyProject();
    ExecIn("project.db",
           "insert into 参数 values('价格小数位','3'),('工程量小数位','1');"
           "insert into 工程档案 values('工程名称','桥 & 隧'),('工程造价','1500.5元'),"
           "('单方造价','12元'),('建设单位','甲'||char(1)||'乙 <b>&'),"
           "('编制单位',cast(x'E6B1' as text));"
           "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,综合单价,综合合价) values"
           "(1,0,'级1','第100章 总则',NULL,1,0,NULL,1000.5),"
           "(2,1,'项','保险费','101-1',2,2,0.1+0.2,500),"
           "(3,2,'定额','定额甲','1-1-1',3,4.25,125,531.25),"
           "(4,0,'级1','第200章 路基',NULL,4,0,NULL,500),"
           "(30,30,'项','自己的上级',NULL,30,1,1,1);"
           "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序,计算式,费用) values"
           "(1,'工程总价','1','工程总价','<1>',1,'1500.5',1500.5);"
           "insert into 取费索引 values(1,'工程总价','工程总价',1);"
           "insert into 材料价格(上级编号,编码,名称,单位,数量,基价,信息价,价差,合价,标志,排序) values"
           "(0,NULL,'◆材料◆',NULL,NULL,NULL,NULL,NULL,NULL,'分类',1),"
           "(1,'5509001','水泥','t',2.55,300,320,50,816,NULL,2);");
    // 级2 … 级11 under chapter 200, one inside the other, then a bill item.
    std::string sql;
    for (int level = 0; level < 10; ++level) {
      const int id = 5 + level, parent = level == 0 ? 4 : id - 1;
      sql += "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量,综合合价) values(" +
             std::to_string(id) + "," + std::to_string(parent) + ",'级" +
             std::to_string(level + 2) + "','节" + std::to_string(level) + "'," +
             std::to_string(id) + ",0,500);";
    }
    sql += "insert into 分部分项(编号,上级编号,标志,名称,编码,排序,工程量,综合单价,综合合价)"
           " values(15,14,'项','最深的清单','2-1',15,10,50,500);";
    ExecIn("project.db", sql);
  }
};

TEST_F(ExportTest, SampleWorkbookHoldsTheStoredNumbersAndLeavesTheProjectAsItWas) {
  MakeCalculatedSample();
  const std::string before = testing::ReadTextFile(Path("sample.db"));
  Result r = Run(Export("sample.db", "sample.xlsx"));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "清单 (124 rows)")) << r.out;
  EXPECT_EQ(testing::ReadTextFile(Path("sample.db")), before);

  // The sample keeps 3 quantity and 2 price decimals (the engine's defaults).
  Result dump = Reader("check-export '" + Path("sample.xlsx") + "' '" + Path("sample.db") + "' 3 2");
  EXPECT_EQ(dump.exit_code, 0) << dump.err;
  // 工程造价 59779719.57 on the cover; chapter 300 closed by its subtotal; the
  // quota 2-2-11-12 (4.68 × 1146695.96 = 5366537.09) one level below its
  // bill item 309-3, which is two below chapter 300.
  EXPECT_TRUE(Has(dump.out, "封面\t0\t工程造价（元）\t59779719.57\n")) << dump.out;
  EXPECT_TRUE(Has(dump.out, "清单\t0\t\t第300章 路面 小计\t\t\t\t17992634.4\n"));
  EXPECT_TRUE(Has(dump.out, "清单\t2\t309-3\t细粒式SBS改性沥青混凝土 AC-13C 厚40mm\t\t117000\t"));
  EXPECT_TRUE(Has(dump.out, "清单\t3\t2-2-11-12\t拌和 细粒式改性沥青混凝土 320t/h以内\t\t4.68\t"
                            "1146695.96\t5366537.09\n"));
  EXPECT_TRUE(Has(dump.out, "工程取费\t1\t8\t工程总价\t<1>+<4>+<5>+<6>+<7>\t59779719.57\n"));
  EXPECT_TRUE(Has(dump.out, "设备汇总\t0\t9001002\t数据采集仪\t台\t2\t46000\t45000\t90000\t★\n"));
}

TEST_F(ExportTest, NumberFormatsAndOutlineFollowTheProject) {
  MakeSmallProject();
  Result r = Run(Export("project.db", "small.xlsx"));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // 3 price decimals ("#,##0.000"), 1 quantity decimal ("#,##0.0"); the
  // headings ten deep stay at Excel's deepest outline level, 7.
  Result dump = Reader("check-export '" + Path("small.xlsx") + "' '" + Path("project.db") + "' 1 3");
  EXPECT_EQ(dump.exit_code, 0) << dump.err;
  EXPECT_TRUE(Has(dump.out, "清单\t7\t\t节9\t")) << dump.out;
  EXPECT_TRUE(Has(dump.out, "清单\t7\t2-1\t最深的清单\t\t10\t50\t500\n")) << dump.out;
  // A self-parented row stands at the top; it is no chapter, so no subtotal.
  EXPECT_TRUE(Has(dump.out, "清单\t0\t\t自己的上级\t\t1\t1\t1\n"));
  EXPECT_FALSE(Has(dump.out, "自己的上级 小计"));
  EXPECT_TRUE(Has(dump.out, "清单\t0\t\t第200章 路基 小计\t\t\t\t500\n"));
  EXPECT_TRUE(Has(dump.out, "材料价格\t0\t材料\n"));
  // Excel's escape for a control character; U+FFFD for each broken byte.
  EXPECT_TRUE(Has(dump.out, "封面\t0\t建设单位\t甲_x0001_乙 <b>&\n"));
  EXPECT_TRUE(Has(dump.out, "封面\t0\t编制单位\t\xEF\xBF\xBD\xEF\xBF\xBD\n"));
  EXPECT_TRUE(Has(dump.out, "材料价格\t1\t5509001\t水泥\tt\t2.55\t300\t320\t50\t816\n"));
}

TEST_F(ExportTest, AnUnreadableTableIsNamedAndTheRestIsWritten) {
  MakeSmallProject();
  ExecIn("project.db", "drop table 设备汇总;");
  Result r = Run(Export("project.db", "small.xlsx"));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "设备汇总：no such table: 设备汇总")) << r.err;
  Result dump = Reader("dump '" + Path("small.xlsx") + "'");
  EXPECT_TRUE(Has(dump.out, "设备汇总\t0\t\t无法读取设备汇总\n")) << dump.out;
  EXPECT_TRUE(Has(dump.out, "清单\t0\t\t第100章 总则\t"));
}

TEST_F(ExportTest, BadInputWritesNothing) {
  MakeSample();  // not calculated: its 工程造价 is still 0元
  ExecIn("notes.db", "");
  ASSERT_EQ(std::system(("echo 'not a database' > '" + Path("text.db") + "'").c_str()), 0);
  const std::set<std::string> before = Files();
  struct Case {
    std::string project, output, message;
  };
  for (const Case& c : std::vector<Case>{
           {"missing.db", "out.xlsx", "cannot open project database"},
           {"text.db", "out.xlsx", "not an SQLite database"},
           {"notes.db", "out.xlsx", "not an SQLite database"},
           {"sample.db", "out.xlsx", "is not a calculated project: its 工程造价 is '0元'"},
           {"sample.db", "no/such/dir/out.xlsx", "is not a calculated project"},
       }) {
    Result r = Run(Export(c.project, c.output));
    EXPECT_EQ(r.exit_code, 2) << c.project;
    EXPECT_TRUE(Has(r.err, c.message)) << c.project << ": " << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(Files(), before);

  // Calculated, but the workbook cannot be written: no partial file is left.
  Result calc = Run("calc '" + Path("sample.db") + "'" + Libraries() + " --quiet --exe-dir '" +
                    dir_ + "'");
  ASSERT_EQ(calc.exit_code, 0) << calc.err;
  const std::set<std::string> calculated = Files();
  Result r = Run(Export("sample.db", "no/such/dir/out.xlsx"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "cannot write")) << r.err;
  EXPECT_EQ(Files(), calculated);

  // Naming the project itself as the workbook would destroy it.
  const std::string project = testing::ReadTextFile(Path("sample.db"));
  r = Run(Export("sample.db", "sample.db"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "is one of the project's files")) << r.err;
  EXPECT_EQ(testing::ReadTextFile(Path("sample.db")), project);
}

}  // namespace
}  // namespace ftcalc::host_test
