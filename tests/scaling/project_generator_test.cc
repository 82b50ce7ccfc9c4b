// The generated projects that the benchmark and the scaling test rely on:
// the sizes and tree shape asked for, a consistent tree, line numbers as the
// layout says, the same values in every layout, repeated quotas, the same
// project for the same seed, and the host's indexes when asked.
#include "project_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc::testing {
namespace {

using projectgen::KeyLayout;

projectgen::GeneratedCounts Fill(TestProject& project, projectgen::GeneratorOptions options) {
  projectgen::GeneratedCounts counts;
  std::string error;
  EXPECT_TRUE(projectgen::FillProject(project.db(), options, &counts, &error)) << error;
  return counts;
}

projectgen::GeneratorOptions Small() {
  projectgen::GeneratorOptions options;
  options.items = 120;
  options.headings = 60;
  options.heading_levels = 4;
  options.descriptions = 9;
  options.quotas_per_item = 2.5;
  options.lines_per_quota = 12.5;
  options.own_sheet_share = 0.25;
  return options;
}

projectgen::GeneratorOptions Keyed(projectgen::GeneratorOptions options) {
  options.layout.keys = KeyLayout::kKeyed;
  return options;
}

// Column name, declared type and key flag of every column of a table.
std::vector<std::string> Declaration(TestProject& project, const std::string& schema,
                                     const std::string& table) {
  return project.Rows("select name, type, pk from pragma_table_info('" + table + "','" + schema +
                      "') order by cid");
}

TEST(ProjectGeneratorTest, MeetsTheRequestedSizes) {
  TestProject project;
  const projectgen::GeneratedCounts counts = Fill(project, Small());

  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志='项'"), 120);
  EXPECT_EQ(counts.items, 120);
  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志 like '级%'"), 60);
  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志='描述'"), 9);
  EXPECT_EQ(counts.descriptions, 9);
  const double quotas = project.Number("select count(*) from 分部分项 where 标志='定额'");
  EXPECT_EQ(quotas, counts.quotas);
  EXPECT_NEAR(quotas, 110 * 2.5, 8);  // the general chapter's items have no quotas
  const double lines = project.Number("select count(*) from 分部分项材料明细");
  EXPECT_EQ(lines, counts.material_lines);
  EXPECT_NEAR(lines / quotas, 12.5, 0.6);
  const double own = project.Number(
      "select count(distinct 主表) from 分部分项取费明细 where 主表 in(select 编号 from 分部分项 "
      "where 标志='定额')");
  EXPECT_NEAR(own / quotas, 0.25, 0.01);
  EXPECT_EQ(counts.repeated_quotas, 0);
  // Every chapter, and the configured totals the calculation reads.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志='级1' and 名称 like '第_00章 %'"), 7);
  EXPECT_EQ(project.Text("select 内容 from 工程档案 where 名称='计价方式'"), "清单法");
  EXPECT_EQ(project.Number("select count(*) from RoadLib.计算设置 where 上级编号=6 and 内容 like "
                           "'%单价取费=[]%'"),
            3);
}

TEST(ProjectGeneratorTest, HeadingLevelsAsAsked) {
  const std::string levels = "select group_concat(标志) from (select distinct 标志 from 分部分项 "
                             "where 标志 like '级%' order by 标志)";
  TestProject four;
  Fill(four, Small());
  EXPECT_EQ(four.Text(levels), "级1,级2,级3,级4");
  // Each level hangs under the one above it.
  EXPECT_EQ(four.Number("select count(*) from 分部分项 c join 分部分项 p on p.编号=c.上级编号 where "
                        "c.标志 like '级%' and c.标志<>'级1' and substr(p.标志,2)+1<>substr(c.标志,2)+0 "
                        "and p.名称 not like '第100章%'"),
            0);

  TestProject two;
  projectgen::GeneratorOptions options = Small();
  options.heading_levels = 2;
  Fill(two, options);
  // The general chapter keeps its own 级3 headings.
  EXPECT_EQ(two.Number("select count(*) from 分部分项 where 标志 in('级3','级4') and 编码 not like "
                       "'101%'"),
            0);
  EXPECT_EQ(two.Number("select count(*) from 分部分项 where 标志 like '级%'"), 60);
}

TEST(ProjectGeneratorTest, TreeAndLinesAreConsistent) {
  TestProject project;
  Fill(project, Small());

  // Every parent exists and comes before its rows in display order.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 c where c.上级编号<>0 and not exists("
                           "select 1 from 分部分项 p where p.编号=c.上级编号 and p.排序<c.排序)"),
            0);
  // Quotas hang under bill items, or directly under a 级2 section; bill
  // items and description rows under headings.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 q join 分部分项 p on p.编号=q.上级编号 "
                           "where q.标志='定额' and p.标志 not in('项','级2')"),
            0);
  EXPECT_GT(project.Number("select count(*) from 分部分项 q join 分部分项 p on p.编号=q.上级编号 "
                           "where q.标志='定额' and p.标志='级2'"),
            0);
  EXPECT_EQ(project.Number("select count(*) from 分部分项 c join 分部分项 p on p.编号=c.上级编号 "
                           "where c.标志 in('项','描述') and p.标志 not like '级%'"),
            0);
  // Lines belong to quotas and are numbered 1, 2, 3 … within each quota;
  // components belong to a line of their own quota.
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 a where not exists(select 1 from "
                           "分部分项 q where q.编号=a.主表 and q.标志='定额')"),
            0);
  EXPECT_EQ(project.Number("select count(*) from (select 主表 from 分部分项材料明细 group by 主表 "
                           "having min(编号)<>1 or max(编号)<>count(*) or count(distinct 编号)<>count(*))"),
            0);
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 a where a.上级编号<>0 and not "
                           "exists(select 1 from 分部分项材料明细 c where c.编号=a.上级编号 and "
                           "c.主表=a.主表 and c.上级编号=0)"),
            0);
  EXPECT_GT(project.Number("select count(*) from 分部分项材料明细 where 上级编号<>0"), 0);
  // Fee lines are numbered within their item.
  EXPECT_EQ(project.Number("select count(*) from (select 主表 from 分部分项取费明细 group by 主表 "
                           "having min(编号)<>1 or max(编号)<>count(*))"),
            0);
  // Every material kind occurs.
  EXPECT_EQ(project.Number("select count(distinct 标志) from 分部分项材料明细"), 11);
  // Rows entered later than their neighbours: 编号 out of display order.
  EXPECT_GT(project.Number("select count(*) from 分部分项 a where exists(select 1 from 分部分项 b "
                           "where b.排序>a.排序 and b.编号<a.编号)"),
            0);
}

TEST(ProjectGeneratorTest, KeysOnlyWhereTheDataModelNamesThem) {
  TestProject project;
  Fill(project, Small());
  const std::string keyed =
      "select group_concat(m.name) from (select name from sqlite_master where type='table' "
      "order by name) m where exists(select 1 from pragma_table_info(m.name) where pk>0)";
  EXPECT_EQ(project.Text(keyed), "分部分项,取费索引,材料价格,设备汇总");
  // The standard materials live in the library, keyed there.
  EXPECT_EQ(project.Number("select count(*) from main.sqlite_master where name='定额材料明细'"), 0);
  EXPECT_EQ(Declaration(project, "RoadLib", "定额材料明细")[0], "编号|INTEGER|1");
  EXPECT_GT(project.Number("select count(*) from RoadLib.定额材料明细"), 200);
  EXPECT_EQ(Declaration(project, "RoadLib", "计算设置")[0], "编号|INTEGER|0");
  EXPECT_EQ(Declaration(project, "其他", "材料标志")[0], "编号|INTEGER|0");
}

TEST(ProjectGeneratorTest, KeyedLayoutKeysEveryNumberAcrossItsTable) {
  TestProject project;
  Fill(project, Keyed(Small()));
  for (const char* table : {"分部分项材料明细", "分部分项取费明细", "生成报表", "定额材料明细"}) {
    EXPECT_EQ(Declaration(project, "main", table)[0], "编号|INTEGER|1") << table;
  }
  EXPECT_EQ(Declaration(project, "RoadLib", "计算设置")[0], "编号|INTEGER|1");
  EXPECT_EQ(Declaration(project, "其他", "材料供应方")[0], "编号|INTEGER|1");
  // Numbered 1, 2, 3 … across the whole table, components by that number.
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 where 编号<>rowid"), 0);
  EXPECT_EQ(project.Number("select max(编号) from 分部分项取费明细"),
            project.Number("select count(*) from 分部分项取费明细"));
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 a where a.上级编号<>0 and not "
                           "exists(select 1 from 分部分项材料明细 c where c.编号=a.上级编号 and "
                           "c.主表=a.主表 and c.上级编号=0)"),
            0);
}

// What both layouts must hold alike: every line's values in table order
// apart from its keys, its parent line by what the statements join on, and
// the tree.
TEST(ProjectGeneratorTest, LayoutsHoldTheSameValues) {
  const std::string lines =
      "select a.主表,a.材料编号,a.编码,a.名称,a.单位,a.基价,a.信息价,a.增值税率,a.实际量,a.标志,"
      "a.三材,a.供应方,typeof(a.实际量),row_number() over(partition by a.主表 order by a.rowid),"
      "p.rowid from 分部分项材料明细 a left join 分部分项材料明细 p on p.主表=a.主表 and "
      "p.编号=a.上级编号 order by a.rowid";
  const std::string fee_lines =
      "select 主表,顺号,项目,公式,费用,费率名称,费率 from 分部分项取费明细 order by rowid";
  const std::string tree = "select * from 分部分项 order by 编号";
  const std::string materials = "select * from 定额材料明细 order by 编号";
  TestProject model;
  Fill(model, Small());
  TestProject keyed;
  Fill(keyed, Keyed(Small()));

  EXPECT_EQ(model.Rows(lines), keyed.Rows(lines));
  EXPECT_EQ(model.Rows(fee_lines), keyed.Rows(fee_lines));
  EXPECT_EQ(model.Rows(tree), keyed.Rows(tree));
  EXPECT_EQ(model.Rows(materials), keyed.Rows(materials));
}

TEST(ProjectGeneratorTest, IntegerColumnsDeclaredAsAsked) {
  TestProject project;
  projectgen::GeneratorOptions options = Small();
  options.layout.integers = projectgen::IntegerDeclaration::kNumeric;
  options.layout.materials = projectgen::MaterialsHome::kProject;
  Fill(project, options);
  EXPECT_EQ(Declaration(project, "main", "分部分项材料明细")[0], "编号|NUMERIC|0");
  EXPECT_EQ(Declaration(project, "main", "分部分项")[0], "编号|INTEGER|1");  // the rowid stays
  EXPECT_EQ(Declaration(project, "main", "定额材料明细")[0], "编号|INTEGER|1");
  EXPECT_EQ(project.Text("select type from pragma_table_info('分部分项') where name='上级编号'"),
            "NUMERIC");
  EXPECT_EQ(project.Text("select type from pragma_table_info('分部分项') where name='工程量'"),
            "REAL");

  TestProject untyped;
  options.layout.integers = projectgen::IntegerDeclaration::kNone;
  Fill(untyped, options);
  EXPECT_EQ(Declaration(untyped, "main", "分部分项材料明细")[2], "上级编号||0");
  // The values are stored as the integers they are, whatever the declaration.
  EXPECT_EQ(untyped.Text("select group_concat(distinct typeof(主表)||typeof(上级编号)||"
                         "typeof(标志)) from 分部分项材料明细"),
            "integerintegerinteger");
}

// A repeated quota has the very lines of an earlier quota of its chapter:
// the quotas' line sets, with their base prices, come out as many fewer
// than the quotas as there are repeats. Quotas with the same lines have the
// same own fee sheet (or none).
TEST(ProjectGeneratorTest, RepeatedQuotasShareTheirLinesPricesAndSheets) {
  const std::string quota_sets =
      "create temp table sets as select q.编号, q.定额基价 as 基价, (select group_concat(a.编号||':'||"
      "a.上级编号||':'||a.材料编号||':'||a.实际量||':'||a.基价||':'||a.信息价||':'||ifnull(a.编码,'-'),"
      "',') from (select * from 分部分项材料明细 order by rowid) a where a.主表=q.编号) as lines, "
      "(select group_concat(f.顺号||f.项目||ifnull(f.公式,'')||ifnull(f.费率,''),',') from (select * "
      "from 分部分项取费明细 order by rowid) f where f.主表=q.编号) as sheet from 分部分项 q where "
      "q.标志='定额'";
  const std::string counts_of_sets =
      "select count(*), count(distinct lines), count(distinct lines||'|'||基价) from sets where "
      "lines is not null";
  TestProject plain;
  Fill(plain, Small());
  plain.Exec(quota_sets);
  const std::string quotas = plain.Text("select count(*) from sets where lines is not null");
  EXPECT_EQ(plain.Rows(counts_of_sets), std::vector<std::string>{quotas + "|" + quotas + "|" + quotas});

  TestProject repeated;
  projectgen::GeneratorOptions options = Small();
  options.repeat_share = 0.4;
  const projectgen::GeneratedCounts counts = Fill(repeated, options);
  EXPECT_NEAR(static_cast<double>(counts.repeated_quotas) / static_cast<double>(counts.quotas), 0.4,
              0.02);
  repeated.Exec(quota_sets);
  const long long with_lines = std::stoll(repeated.Text("select count(*) from sets where lines is not null"));
  const std::string originals = std::to_string(with_lines - counts.repeated_quotas);
  EXPECT_EQ(repeated.Rows(counts_of_sets),
            std::vector<std::string>{std::to_string(with_lines) + "|" + originals + "|" + originals});
  EXPECT_EQ(repeated.Number("select count(*) from (select lines from sets where lines is not null "
                            "group by lines having count(distinct ifnull(sheet,'-'))>1)"),
            0);
  EXPECT_GT(repeated.Number("select count(*) from (select lines from sets where sheet is not null "
                            "group by lines having count(*)>1)"),
            0);
}

TEST(ProjectGeneratorTest, SameSeedGivesTheSameProject) {
  const std::string digest =
      "select count(*), total(实际量*编号), total(基价*主表), total(信息价) from 分部分项材料明细 "
      "union all select count(*), total(工程量*编号), total(定额基价), total(length(名称)) from "
      "分部分项";
  TestProject first;
  Fill(first, Small());
  TestProject second;
  Fill(second, Small());
  TestProject other;
  projectgen::GeneratorOptions reseeded = Small();
  reseeded.seed = 2;
  Fill(other, reseeded);

  EXPECT_EQ(first.Rows(digest), second.Rows(digest));
  EXPECT_NE(first.Rows(digest), other.Rows(digest));
}

TEST(ProjectGeneratorTest, IndexesOnlyWhenAsked) {
  const std::string indexes =
      "select count(*) from sqlite_master where type='index' and sql is not null";
  TestProject plain;
  Fill(plain, Small());
  EXPECT_EQ(plain.Number(indexes), 0);

  TestProject indexed;
  projectgen::GeneratorOptions options = Small();
  options.indexes = true;
  Fill(indexed, options);
  EXPECT_EQ(indexed.Rows("select sql from sqlite_master where type='index' and tbl_name='分部分项' "
                         "order by sql"),
            (std::vector<std::string>{
                "CREATE INDEX \"idx_分部分项_上级编号\" on \"分部分项\"(\"上级编号\")",
                "CREATE INDEX \"idx_分部分项_排序\" on \"分部分项\"(\"排序\")",
                "CREATE INDEX \"idx_分部分项_标志\" on \"分部分项\"(\"标志\")"}));
  EXPECT_EQ(indexed.Number("select count(*) from sqlite_master where type='index' and "
                           "tbl_name='分部分项材料明细'"),
            3);
}

// Declaring a table again would drop it: a table that holds rows is left
// alone and the generation fails, leaving everything as it was.
TEST(ProjectGeneratorTest, RefusesToDeclareATableThatHoldsRows) {
  TestProject project;
  project.Exec("insert into 分部分项材料明细(编号,主表) values(1,7)");
  projectgen::GeneratedCounts counts;
  std::string error;
  EXPECT_FALSE(projectgen::FillProject(project.db(), Keyed(Small()), &counts, &error));
  EXPECT_NE(error.find("分部分项材料明细"), std::string::npos) << error;
  EXPECT_EQ(project.Rows("select 编号,主表 from 分部分项材料明细"), std::vector<std::string>{"1|7"});
  EXPECT_EQ(Declaration(project, "main", "分部分项材料明细")[0], "编号|INTEGER|0");
  EXPECT_EQ(project.Number("select count(*) from 分部分项"), 0);
}

}  // namespace
}  // namespace ftcalc::testing
