// ftcalc diff: after an edit and a partial recalculation exactly the rows the
// engine changed are listed, with differences worked out by hand; a file
// against itself is equal; renumbered rows are found by code, name and place;
// unrelated projects give a long list that adds up; bad input writes nothing.
#include <map>
#include <sstream>

#include "workbook_fixture.h"

namespace ftcalc::host_test {
namespace {

class DiffTest : public WorkbookTest {
 protected:
  std::string Diff(const std::string& a, const std::string& b, const std::string& options = "") {
    return "diff '" + Path(a) + "' '" + Path(b) + "'" + Libraries() + options;
  }

  // The CSV's lines as "表 变动 编号 数值 A B 差额", one per changed value.
  static std::set<std::string> Changes(const std::string& csv) {
    std::set<std::string> changes;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> f;
      std::string field;
      std::istringstream fields(line);
      while (std::getline(fields, field, ',')) f.push_back(field);
      f.resize(15);
      changes.insert(f[0] + " " + f[1] + " " + (f[2].empty() ? f[6] : f[2]) + " " + f[11] + " " +
                     f[12] + " " + f[13] + " " + f[14]);
    }
    return changes;
  }

  static size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }
};

TEST_F(DiffTest, AFileAgainstItselfIsEqual) {
  MakeCalculatedSample();
  Result r = Run(Diff("sample.db", "sample.db"));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "两个工程相同：没有差别。")) << r.out;
  r = Run(Diff("sample.db", "sample.db", " --json"));
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out, "\"equal\": true")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"changes\": []")) << r.out;
}

// Quota 67 (2-2-11-12, 综合单价 1146695.96) under bill item 66 (309-3,
// quantity 117000) goes from 4.68 to 5 and is recalculated alone:
// - quota: 1146695.96 × 5 = 5733479.80, up 366942.71 from 5366537.09;
// - bill item 66: each unit column summed over its quotas 67 (now × 5) and
//   68 (× 4.68), over 117000, to 2 decimals: 人工 40926.30 → 0.35, 材料
//   803247.00 → 6.87, 机械 410196.85 → 3.51, 其他 5480.42 → 0.05, 管理
//   237099.37 → 2.03, 利润 371364.65 → 3.17, 增值税 484409.33 → 4.14;
//   综合单价 20.12 (was 18.91), 综合合价 20.12 × 117000 = 2354040.00, up
//   1.21 × 117000 = 141570.00; heading 61 and chapter 49 rise by as much;
// - the percentage items of chapter 100 are priced again from the base that
//   rose by 141570.00: 0.3% → +424.71 (item 4), 0.5% → +707.85 (8), 1.5% →
//   +2123.55 (9), 0.2% → +283.14 (10); their heading is not summed again;
// - 工程造价 stays: the project fees are not worked out again.
TEST_F(DiffTest, EditAndPartialRecalculationListExactlyTheRowsAbove) {
  MakeCalculatedSample();
  Copy("sample.db", "edited.db");
  ExecIn("edited.db", "update 分部分项 set 工程量=5 where 编号=67");
  Result recalc = Run("recalc '" + Path("edited.db") + "'" + Libraries() +
                      " --kind 1 --item 67 --exe-dir '" + dir_ + "'");
  ASSERT_EQ(recalc.exit_code, 0) << recalc.err;

  Result r = Run(Diff("sample.db", "edited.db", " --csv"));
  EXPECT_EQ(r.exit_code, 1) << r.err;
  const std::set<std::string> expected{
      "合计 变动 各章合计 各章合计 57312872.14 57454442.14 +141570.00",
      "章 变动 第300章 路面 综合合价 17992634.40 18134204.40 +141570.00",
      "清单 变动 67 工程量 4.680 5.000 +0.320",
      "清单 变动 67 综合合价 5366537.09 5733479.80 +366942.71",
      "清单 变动 66 综合单价 18.91 20.12 +1.21",
      "清单 变动 66 综合合价 2212470.00 2354040.00 +141570.00",
      "清单 变动 61 综合合价 4854330.00 4995900.00 +141570.00",
      "清单 变动 49 综合合价 17992634.40 18134204.40 +141570.00",
      "清单 变动 4 综合单价 166058.33 166483.04 +424.71",
      "清单 变动 4 综合合价 166058.33 166483.04 +424.71",
      "清单 变动 8 综合单价 276763.89 277471.74 +707.85",
      "清单 变动 8 综合合价 276763.89 277471.74 +707.85",
      "清单 变动 9 综合单价 860972.67 863096.22 +2123.55",
      "清单 变动 9 综合合价 860972.67 863096.22 +2123.55",
      "清单 变动 10 综合单价 114796.36 115079.50 +283.14",
      "清单 变动 10 综合合价 114796.36 115079.50 +283.14",
  };
  EXPECT_EQ(Changes(r.out), expected) << r.out;

  r = Run(Diff("sample.db", "edited.db"));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "清单：8 项变动，0 项新增，0 项删除")) << r.out;
  EXPECT_TRUE(Has(r.out, "各章合计  ")) << r.out;
  EXPECT_TRUE(Has(r.out, "注意：各章合计变了，工程造价没有变")) << r.out;
  r = Run(Diff("sample.db", "edited.db", " --json"));
  EXPECT_TRUE(Has(r.out, "\"编号\": 67,\n      \"编号_b\": 67,\n      \"标志\": \"定额\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"fees_not_recalculated\": true"));
}

TEST_F(DiffTest, RenumberedRowsAreMatchedByCodeNameAndPlace) {
  MakeCalculatedSample();
  Copy("sample.db", "renumbered.db");
  ExecIn("renumbered.db",
         "update 分部分项 set 编号=编号+1000, 上级编号=case when 上级编号=0 then 0 "
         "else 上级编号+1000 end;");
  Result r = Run(Diff("sample.db", "renumbered.db"));
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;

  // One quota's quantity typed over: one change, with both 编号.
  ExecIn("renumbered.db", "update 分部分项 set 工程量=98.5 where 编号=1000+38");
  r = Run(Diff("sample.db", "renumbered.db", " --csv"));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(Changes(r.out), (std::set<std::string>{"清单 变动 38 工程量 98.000 98.500 +0.500"}))
      << r.out;
  EXPECT_TRUE(Has(r.out, ",38,1038,定额,1-1-18-5,")) << r.out;
}

// Headings 5,000 levels deep, one renamed in B: the rows are matched by
// their places all the same (each place is numbered once, not spelt out
// for every row below it), and the change names the eight headings above.
TEST_F(DiffTest, DeepTreesAreMatchedAndPlacedByTheNearestHeadings) {
  MakeCalculatedSample();
  ExecIn("sample.db",
         "with recursive c(n) as (select 1 union all select n+1 from c where n<5000) "
         "insert into 分部分项(编号,上级编号,标志,名称,排序,工程量) "
         "select 10000+n, case when n=1 then 1 else 9999+n end, '级2', '深'||n, 10+n*0.0001, 0 "
         "from c;");
  Copy("sample.db", "b.db");
  ExecIn("b.db", "update 分部分项 set 名称='深3000改' where 编号=13000");
  Result r = Run(Diff("sample.db", "b.db"));
  EXPECT_EQ(r.exit_code, 1) << r.err;
  EXPECT_TRUE(Has(r.out, "清单：1 项变动，0 项新增，0 项删除")) << r.out;
  EXPECT_TRUE(Has(r.out, "深3000 → 深3000改")) << r.out;
  EXPECT_TRUE(Has(r.out, "… / 深2992 / 深2993 / 深2994 / 深2995 / 深2996 / 深2997 / 深2998 / 深2999\n"))
      << r.out;
}

// B as another estimator might hand it in: a market price raised by 0.10
// (405.32 to 405.42, a difference that a plain subtraction of the two
// doubles would give as 0.100000000000023), an equipment row dropped, a
// fee line added, a heading renamed.
TEST_F(DiffTest, MaterialEquipmentAndFeeLinesAreCompared) {
  MakeCalculatedSample();
  Copy("sample.db", "b.db");
  ExecIn("b.db",
         "update 材料价格 set 信息价=405.42 where 名称='C25泵送商品混凝土';"
         "delete from 设备汇总 where 名称='情报板控制器';"
         "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序,计算式,费用) select 主表,"
         "'工程总价','9','备注',NULL,99,'12.5',12.5 from 工程取费 where 项目='工程总价';"
         "update 分部分项 set 名称='路基挖方（改）' where 编号=(select min(编号) from 分部分项 "
         "where 名称 like '%挖方%' and 标志 like '级%');");
  Result r = Run(Diff("sample.db", "b.db", " --csv"));
  EXPECT_EQ(r.exit_code, 1) << r.err;
  const std::set<std::string> changes = Changes(r.out);
  EXPECT_TRUE(changes.count("材料价格 变动 C25泵送商品混凝土 信息价 405.32 405.42 +0.10")) << r.out;
  EXPECT_TRUE(changes.count("设备汇总 删除 情报板控制器 合价 52000.00  ")) << r.out;
  EXPECT_TRUE(changes.count("工程取费 新增 备注 费用  12.50 ")) << r.out;
  EXPECT_EQ(Count(r.out, "路基挖方（改）"), 1u) << r.out;
  EXPECT_EQ(changes.size(), 4u + 3u) << r.out;  // the removed row lists its 4 values

  Result written = Run(Diff("sample.db", "b.db", " --xlsx '" + Path("changes.xlsx") + "'"));
  EXPECT_EQ(written.exit_code, 1) << written.err;
  Result dump = Reader("dump '" + Path("changes.xlsx") + "'");
  ASSERT_EQ(dump.exit_code, 0) << dump.err;
  EXPECT_TRUE(Has(dump.out, "汇总\t0\t工程造价\t59779719.57\t59779719.57\t0\n")) << dump.out;
  EXPECT_TRUE(Has(dump.out, "变动\t0\t材料价格\t\t\t\t1505005\tC25泵送商品混凝土\tm3\t材料\t信息价\t"
                            "405.32\t405.42\t0.1\n"))
      << dump.out;
  EXPECT_TRUE(Has(dump.out, "删除\t0\t设备汇总\t\t\t\t9001004\t情报板控制器\t台\t\t合价\t52000\n"));
  EXPECT_TRUE(Has(dump.out, "新增\t0\t工程取费\t\t\t\t9\t备注\t\t工程总价\t费用\t\t12.5\n"));
}

TEST_F(DiffTest, UnrelatedProjectsGiveAListThatAddsUp) {
  MakeCalculatedSample();
  const std::string gen = std::string(std::getenv("FTCALC_BIN_DIR") ? std::getenv("FTCALC_BIN_DIR")
                                                                    : FTCALC_BINARY_DIR "/bin") +
                          "/ftcalc-projectgen";
  ASSERT_EQ(Shell("'" + gen + "' '" + Path("gen") + "' --items 12 --headings 8").exit_code, 0);
  Result calc = Run("calc '" + Path("gen/project.db") + "' --library '" + Path("gen/RoadLib.db") +
                    "' --other '" + Path("gen/Other.db") + "' --quiet --exe-dir '" + dir_ + "'");
  ASSERT_EQ(calc.exit_code, 0) << calc.err;
  Copy("gen/project.db", "other.db");

  Result ab = Run(Diff("sample.db", "other.db", " --csv"));
  Result ba = Run(Diff("other.db", "sample.db", " --csv"));
  ASSERT_EQ(ab.exit_code, 1) << ab.err;
  ASSERT_EQ(ba.exit_code, 1) << ba.err;
  // Each row of a project is matched or listed once: what A lacks is added,
  // so added minus removed is B's rows minus A's, and the other way round
  // the two counts swap.
  auto rows = [&](const std::string& db) {
    return std::stoi(Shell("sqlite3 '" + Path(db) + "' 'select count(*) from 分部分项'").out);
  };
  auto listed = [&](const std::string& csv, const char* kind) {
    return static_cast<int>(Count(csv, std::string("\n清单,") + kind + ",")) / 3;
  };
  const int added = listed(ab.out, "新增"), removed = listed(ab.out, "删除");
  EXPECT_GT(added, 40);
  EXPECT_GT(removed, 40);
  EXPECT_EQ(added - removed, rows("other.db") - rows("sample.db"));
  EXPECT_EQ(listed(ba.out, "新增"), removed);
  EXPECT_EQ(listed(ba.out, "删除"), added);
}

TEST_F(DiffTest, BadInputGivesExitTwoAndWritesNothing) {
  MakeCalculatedSample();
  MakeDb("fresh.db", {"schema/project.sql", "sample/project.sql"});  // never calculated
  ASSERT_EQ(std::system(("echo 'not a database' > '" + Path("text.db") + "'").c_str()), 0);
  const std::set<std::string> before = Files();
  for (const char* b : {"missing.db", "text.db", "fresh.db"}) {
    Result r = Run(Diff("sample.db", b, " --xlsx '" + Path("out.xlsx") + "'"));
    EXPECT_EQ(r.exit_code, 2) << b;
    EXPECT_EQ(r.out, "") << b;
    EXPECT_TRUE(Has(r.err, b)) << r.err;
  }
  Result r = Run(Diff("fresh.db", "sample.db", " --json"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "is not a calculated project: its 工程造价 is '0元'")) << r.err;
  r = Run(Diff("sample.db", "sample.db", " --xlsx '" + Path("sample.db") + "'"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "is one of the compared files")) << r.err;
  EXPECT_EQ(Files(), before);
}

}  // namespace
}  // namespace ftcalc::host_test
