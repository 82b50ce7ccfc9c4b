// The quota step's grouped sums read in one pass, against the grouped
// statements they replace, on lines chosen to tell them apart: excluded and
// missing quotas, lower levels, NULL and text values, and sums whose last
// bits depend on the order the lines are added.
#include "calc/quota_line_sums.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "calc/item_tree.h"
#include "data/query.h"
#include "calc/context.h"
#include "data/fields.h"
#include "data/schema_info.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

constexpr char kPrice[] =
    "(case when cast(a.信息价 as real)>0 then a.信息价 else (case when cast(a.基价 as real)<>0 "
    "then a.基价 else b.基价 end) end)";
constexpr char kUnit[] = "(case when a.单位 is null or a.单位='' then b.单位 else a.单位 end)";
constexpr char kFrom[] = " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号";

class QuotaLineSumsTest : public ::testing::Test {
 protected:
  QuotaLineSumsTest() {
    // The pass reads the lines of a host that keys them across the table.
    p_.DeclareIntegerKey("分部分项材料明细", "编号");
    p_.Exec(
        "insert into 其他.材料标志(编号,名称) values(1,'人工'),(2,'材料'),(3,'机械'),(4,'主材'),"
        "(5,'设备费');"
        "insert into 定额材料明细(编号,名称,单位,基价) values(900,'水泥','t',12.5);"
        "insert into 分部分项(编号,上级编号,标志,工程量) values(10,0,'定额',3),(11,0,'定额',2.5),"
        "(12,0,'定额',1),(13,0,'定额',NULL);");
    p_.SetUpEngine();
  }

  // A material line: quota, parent line, flag, 基价, 信息价, 实际量, library number.
  void Line(const std::string& values) {
    p_.Exec("insert into 分部分项材料明细(主表,上级编号,标志,基价,信息价,实际量,材料编号) values(" +
            values + ")");
  }

  // What a grouped statement gives its writes: 主表 and 合计 as pasted.
  std::vector<QuotaSum> Statement(const std::string& value, const std::string& where) {
    Query query;
    EXPECT_TRUE(p_.Context().db.Open(query, "select a.主表, FtRou(total(FtRou(" + value + ",2)),2) as 合计" +
                                     kFrom + " left join 分部分项 fb on fb.编号=a.主表 where " +
                                     where + " group by a.主表"));
    std::vector<QuotaSum> rows;
    for (query.First(); !query.Eof(); query.Next()) {
      rows.push_back({FieldNumberLiteral(query, "主表"), FieldNumberLiteral(query, "合计")});
    }
    return rows;
  }

  // The pass over the lines' own columns, with the kinds 1 to 5 of the
  // fixtures' flag table.
  bool FromColumns(QuotaLineSums* sums) {
    LineKinds kinds;
    const std::string flags = "select 编号 from 其他.材料标志 where ";
    StandardMaterials standard;
    std::unordered_map<int64_t, SqlValue> quantities;
    return LoadKindValues(p_.Context().db, flags + "名称='人工'", true, &kinds.labour) &&
           LoadKindValues(p_.Context().db, flags + "名称 in('材料','商品砼')", false, &kinds.material) &&
           LoadKindValues(p_.Context().db, flags + "名称 in('机械','机材')", false, &kinds.machine) &&
           LoadKindValues(p_.Context().db, flags + "名称='主材'", true, &kinds.main) &&
           LoadKindValues(p_.Context().db, flags + "名称 like '%设备%'", true, &kinds.equipment) &&
           standard.Load(p_.Context().db) && LoadQuotaColumn(p_.Context().db, "工程量", &quantities) &&
           SumQuotaLinesFromColumns(p_.Context().db, kinds, standard, quantities, 2, sums);
  }

  static std::vector<std::string> Texts(const std::vector<QuotaSum>& sums) {
    std::vector<std::string> texts;
    for (const QuotaSum& sum : sums) texts.push_back(sum.quota + "=" + sum.total);
    return texts;
  }

  TestProject p_;
};

TEST_F(QuotaLineSumsTest, OnePassGivesWhatTheGroupedStatementsGive) {
  // Quota 10: labour at its own level (one line below it does not count),
  // a machine line priced from the library, and a main material line.
  Line("10,0,1,100,0,1.5,0");
  Line("10,1,1,100,0,7,0");
  Line("10,0,3,0,0,2,900");
  Line("10,0,4,8.125,0,2,0");
  // Quota 11 is excluded from the own-level sums, not from main materials.
  Line("11,0,1,50,0,1,0");
  Line("11,0,4,10,0,1,0");
  // Quota 12: 1e16 + 1 - 1e16 + 1 gives 1 in row order and 2 in others.
  Line("12,0,2,1e16,0,1,0");
  Line("12,0,2,1,0,1,0");
  Line("12,0,2,-1e16,0,1,0");
  Line("12,0,2,1,0,1,0");
  // A line without price, a line whose level is text, equipment, a line of
  // a quota without row (no quantity for the main material), a NULL flag.
  Line("12,0,3,NULL,NULL,4,0");
  Line("12,'x',1,5,0,1,0");
  Line("12,0,5,30,40,0.5,0");
  Line("99,0,4,5,0,1,0");
  Line("13,0,4,5,0,1,0");
  Line("13,0,NULL,5,0,1,0");

  const std::string exclusion = "11";
  const std::string kinds[3] = {
      "a.标志=(select 编号 from 其他.材料标志 where 名称='人工')",
      "a.标志 in(select 编号 from 其他.材料标志 where 名称 in('材料','商品砼'))",
      "a.标志 in(select 编号 from 其他.材料标志 where 名称 in('机械','机材'))"};
  const std::string main = "a.标志=(select 编号 from 其他.材料标志 where 名称='主材')";
  const std::string equipment = "a.标志=(select 编号 from 其他.材料标志 where 名称 like '%设备%')";
  QuotaLineSums sums;
  ASSERT_TRUE(SumQuotaLinesInOnePass(p_.Context().db, kinds, kFrom, kPrice, kUnit, main, equipment, 2, &sums));
  LeaveOutQuotas(exclusion, &sums);

  const std::string product = std::string(kPrice) + "*a.实际量";
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Texts(sums.own_costs[i]),
              Texts(Statement(product, "a.主表 not in(" + exclusion + ") and a.上级编号=0 and " +
                                           kinds[i])))
        << kinds[i];
  }
  EXPECT_EQ(Texts(sums.main_materials), Texts(Statement(product + "*fb.工程量", main)));
  EXPECT_EQ(Texts(sums.equipment), Texts(Statement(product, equipment)));

  // And by hand: labour 150; materials 1 (row order); machine 12.5 x 2 = 25
  // and 0 for the unpriced line; main materials 8.125 x 2 x 3 = 48.75, 10 x
  // 2.5 for quota 11, 0 without quantity; equipment 40 x 0.5.
  EXPECT_EQ(Texts(sums.own_costs[0]), (std::vector<std::string>{"10=150"}));
  EXPECT_EQ(Texts(sums.own_costs[1]), (std::vector<std::string>{"12=1"}));
  EXPECT_EQ(Texts(sums.own_costs[2]), (std::vector<std::string>{"10=25", "12=0"}));
  EXPECT_EQ(Texts(sums.main_materials),
            (std::vector<std::string>{"10=48.75", "11=25", "13=0", "99=0"}));
  EXPECT_EQ(Texts(sums.equipment), (std::vector<std::string>{"12=20"}));

  // Reading the standard material by key only where a line lacks its own
  // price or unit gives the same sums.
  ASSERT_TRUE(IsIntegerKeyColumn(p_.Context().db, "定额材料明细", "编号"));
  const std::string by_key = "(select 基价 from 定额材料明细 where 编号=a.材料编号)";
  const std::string keyed_price =
      "(case when cast(a.信息价 as real)>0 then a.信息价 else (case when cast(a.基价 as real)<>0 "
      "then a.基价 else " + by_key + " end) end)";
  const std::string keyed_unit =
      "(case when a.单位 is null or a.单位='' then (select 单位 from 定额材料明细 where "
      "编号=a.材料编号) else a.单位 end)";
  QuotaLineSums keyed;
  ASSERT_TRUE(SumQuotaLinesInOnePass(p_.Context().db, kinds, " from 分部分项材料明细 a", keyed_price, keyed_unit,
                                     main, equipment, 2, &keyed));
  LeaveOutQuotas(exclusion, &keyed);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Texts(keyed.own_costs[i]), Texts(sums.own_costs[i]));
  EXPECT_EQ(Texts(keyed.main_materials), Texts(sums.main_materials));
  EXPECT_EQ(Texts(keyed.equipment), Texts(sums.equipment));

  // Working the lines out from their own columns gives the same again.
  QuotaLineSums raw;
  ASSERT_TRUE(FromColumns(&raw));
  LeaveOutQuotas(exclusion, &raw);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Texts(raw.own_costs[i]), Texts(sums.own_costs[i]));
  EXPECT_EQ(Texts(raw.main_materials), Texts(sums.main_materials));
  EXPECT_EQ(Texts(raw.equipment), Texts(sums.equipment));
  EXPECT_EQ(raw.line_quotas, sums.line_quotas);

  // Every quota a line names, and no percentage line here.
  EXPECT_EQ(sums.line_quotas, (std::unordered_set<int64_t>{10, 11, 12, 13, 99}));
  EXPECT_TRUE(sums.percent_lines.empty());
}

// SQLite's number rules on the lines' own columns: a product beyond the
// doubles is infinite, a NaN product is NULL, a negative own price is a
// price, a zero market price is none.
TEST_F(QuotaLineSumsTest, FromColumnsFollowsSqliteNumberRules) {
  p_.Exec(
      "insert into 分部分项(编号,上级编号,标志,工程量) values(14,0,'定额',4),(15,0,'定额',1e308),"
      "(16,0,'定额',0)");
  // Quota 14: -3 x 2 (own price below zero) and 7 x 3 from the library by
  // 材料编号 (a zero market price does not count); main material 5 x 1 x 4.
  Line("14,0,1,-3,0,2,0");
  Line("14,0,1,0,0,3,900");
  Line("14,0,4,5,NULL,1,0");
  // Quota 15: a main material whose value overflows to infinity; quota 16:
  // infinity x 0 is NaN, which SQLite turns into NULL (adding nothing).
  Line("15,0,4,1e308,0,10,0");
  Line("16,0,4,1e308,0,1e10,0");
  p_.Exec("update 定额材料明细 set 基价=7 where 编号=900");
  QuotaLineSums raw;
  ASSERT_TRUE(FromColumns(&raw));
  EXPECT_EQ(Texts(raw.own_costs[0]), (std::vector<std::string>{"14=15"}));
  const std::string kinds[3] = {"a.标志=1", "a.标志=2", "a.标志=3"};
  QuotaLineSums sums;
  ASSERT_TRUE(SumQuotaLinesInOnePass(p_.Context().db, kinds, kFrom, kPrice, kUnit, "a.标志=4", "a.标志=5", 2, &sums));
  EXPECT_EQ(Texts(raw.main_materials), Texts(sums.main_materials));
  EXPECT_EQ(Texts(raw.main_materials)[0], "14=20");
}

// Values whose reading SQLite decides by rules of its own leave the work to
// the statements: a price or quantity held as text, a text kind, a text
// 材料编号 where the library is needed.
TEST_F(QuotaLineSumsTest, FromColumnsDeclinesTextNumbers) {
  const char* cases[] = {"10,0,1,'12元',0,1,0", "10,0,1,12,'3元',1,0", "10,0,'人工',12,0,1,0",
                         "10,0,1,0,0,1,'九百'", "10,0,1,12,0,'1吨',0"};
  for (const char* values : cases) {
    p_.Exec("delete from 分部分项材料明细");
    Line(values);
    QuotaLineSums raw;
    EXPECT_FALSE(FromColumns(&raw)) << values;
  }
  // The same text left where nothing reads it as a number does no harm.
  p_.Exec("delete from 分部分项材料明细");
  Line("10,0,1,'12元',5,1,0");
  QuotaLineSums raw;
  EXPECT_TRUE(FromColumns(&raw));
  EXPECT_EQ(Texts(raw.own_costs[0]), (std::vector<std::string>{"10=5"}));
}

// Lines with the unit "%" (their own, or their standard material's when
// they have none) come out with the values the percentage sums read.
TEST_F(QuotaLineSumsTest, CollectsPercentageLinesInTheirOrder) {
  p_.Exec("insert into 定额材料明细(编号,名称,单位,基价) values(901,'其他费','%',0)");
  p_.Exec(
      "insert into 分部分项材料明细(主表,上级编号,标志,单位,基价,信息价,实际量,材料编号) values"
      "(10,0,1,'%',0,0,2.5,0),(10,0,1,NULL,0,0,1,901),(10,0,1,'t',0,0,1,901),(11,3,2,'',0,0,4,901)");
  const std::string kinds[3] = {"a.标志=1", "a.标志=2", "a.标志=3"};
  QuotaLineSums sums;
  ASSERT_TRUE(SumQuotaLinesInOnePass(p_.Context().db, kinds, kFrom, kPrice, kUnit, "a.标志=4", "a.标志=5", 2, &sums));
  ASSERT_EQ(sums.percent_lines.size(), 3u);
  // The pass over the lines' own columns reads the same percentage lines.
  QuotaLineSums raw;
  ASSERT_TRUE(FromColumns(&raw));
  ASSERT_EQ(raw.percent_lines.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    for (size_t c = 0; c < 6; ++c) {
      EXPECT_EQ(raw.percent_lines[i][c].AsSqliteText(), sums.percent_lines[i][c].AsSqliteText());
      EXPECT_EQ(raw.percent_lines[i][c].type(), sums.percent_lines[i][c].type());
    }
  }
  EXPECT_EQ(sums.percent_lines[0][3].real(), 2.5);  // 实际量
  EXPECT_EQ(sums.percent_lines[1][5].text(), "%");  // the standard material's unit
  EXPECT_EQ(sums.percent_lines[2][0].integer(), 11);
  EXPECT_EQ(sums.percent_lines[2][1].integer(), 3);
}

// Only a column that is its table's one INTEGER PRIMARY KEY counts as a key.
TEST_F(QuotaLineSumsTest, KeyColumnIsTheIntegerPrimaryKey) {
  p_.Exec("create table 键表(编号 INTEGER, 名称 TEXT); create table 复合(编号 INTEGER, 子 INTEGER, "
          "primary key(编号, 子)); create table 文本键(编号 TEXT PRIMARY KEY)");
  EXPECT_TRUE(IsIntegerKeyColumn(p_.Context().db, "定额材料明细", "编号"));
  EXPECT_FALSE(IsIntegerKeyColumn(p_.Context().db, "定额材料明细", "名称"));
  EXPECT_FALSE(IsIntegerKeyColumn(p_.Context().db, "键表", "编号"));
  EXPECT_FALSE(IsIntegerKeyColumn(p_.Context().db, "复合", "编号"));
  EXPECT_FALSE(IsIntegerKeyColumn(p_.Context().db, "文本键", "编号"));
  EXPECT_FALSE(IsIntegerKeyColumn(p_.Context().db, "没有这个表", "编号"));
}

// A line's 主表 that is not an INTEGER groups apart from the quota rows in
// ways the pass does not follow: it leaves such projects to the statements.
TEST_F(QuotaLineSumsTest, DeclinesLinesWhoseQuotaIsNoInteger) {
  Line("'10a',0,1,100,0,1,0");
  const std::string kinds[3] = {"a.标志=1", "a.标志=2", "a.标志=3"};
  QuotaLineSums sums;
  EXPECT_FALSE(SumQuotaLinesInOnePass(p_.Context().db, kinds, kFrom, kPrice, kUnit, "a.标志=4", "a.标志=5", 2, &sums));
}

}  // namespace
}  // namespace ftcalc
