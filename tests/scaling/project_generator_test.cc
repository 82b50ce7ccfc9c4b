// The generated projects that the benchmark and the scaling test rely on:
// the sizes asked for, a consistent tree, the same project for the same
// seed, and the host's indexes when asked.
#include "project_generator.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_project.h"

namespace ftcalc::testing {
namespace {

projectgen::GeneratedCounts Fill(TestProject& project, projectgen::GeneratorOptions options) {
  projectgen::GeneratedCounts counts;
  std::string error;
  EXPECT_TRUE(projectgen::FillProject(project.db(), options, &counts, &error)) << error;
  return counts;
}

projectgen::GeneratorOptions Small() {
  projectgen::GeneratorOptions options;
  options.items = 120;
  options.headings = 40;
  options.quotas_per_item = 6;
  options.lines_per_quota = 12;
  options.own_sheet_share = 0.25;
  return options;
}

TEST(ProjectGeneratorTest, MeetsTheRequestedSizes) {
  TestProject project;
  const projectgen::GeneratedCounts counts = Fill(project, Small());

  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志='项'"), 120);
  EXPECT_EQ(counts.items, 120);
  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志 like '级%'"), 40);
  const double quotas = project.Number("select count(*) from 分部分项 where 标志='定额'");
  EXPECT_EQ(quotas, counts.quotas);
  EXPECT_NEAR(quotas, 110 * 6, 20);  // the general chapter's items have no quotas
  const double lines = project.Number("select count(*) from 分部分项材料明细");
  EXPECT_EQ(lines, counts.material_lines);
  EXPECT_NEAR(lines / quotas, 12, 0.6);
  const double own = project.Number(
      "select count(distinct 主表) from 分部分项取费明细 where 主表 in(select 编号 from 分部分项 "
      "where 标志='定额')");
  EXPECT_NEAR(own / quotas, 0.25, 0.01);
  // Every chapter, and the configured totals the calculation reads.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 where 标志='级1' and 名称 like '第_00章 %'"), 7);
  EXPECT_EQ(project.Text("select 内容 from 工程档案 where 名称='计价方式'"), "清单法");
  EXPECT_EQ(project.Number("select count(*) from RoadLib.计算设置 where 上级编号=6 and 内容 like "
                           "'%单价取费=[]%'"),
            3);
}

TEST(ProjectGeneratorTest, TreeAndLinesAreConsistent) {
  TestProject project;
  Fill(project, Small());

  // Every parent exists and comes before its rows in display order.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 c where c.上级编号<>0 and not exists("
                           "select 1 from 分部分项 p where p.编号=c.上级编号 and p.排序<c.排序)"),
            0);
  // Quotas hang under bill items, or directly under a 级2 section.
  EXPECT_EQ(project.Number("select count(*) from 分部分项 q join 分部分项 p on p.编号=q.上级编号 "
                           "where q.标志='定额' and p.标志 not in('项','级2')"),
            0);
  EXPECT_GT(project.Number("select count(*) from 分部分项 q join 分部分项 p on p.编号=q.上级编号 "
                           "where q.标志='定额' and p.标志='级2'"),
            0);
  // Lines belong to quotas; components to a line of the same quota.
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 a where not exists(select 1 from "
                           "分部分项 q where q.编号=a.主表 and q.标志='定额')"),
            0);
  EXPECT_EQ(project.Number("select count(*) from 分部分项材料明细 a where a.上级编号<>0 and not "
                           "exists(select 1 from 分部分项材料明细 c where c.编号=a.上级编号 and "
                           "c.主表=a.主表 and c.上级编号=0)"),
            0);
  EXPECT_GT(project.Number("select count(*) from 分部分项材料明细 where 上级编号<>0"), 0);
  // Every material kind occurs.
  EXPECT_EQ(project.Number("select count(distinct 标志) from 分部分项材料明细"), 11);
  // Rows entered later than their neighbours: 编号 out of display order.
  EXPECT_GT(project.Number("select count(*) from 分部分项 a where exists(select 1 from 分部分项 b "
                           "where b.排序>a.排序 and b.编号<a.编号)"),
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

}  // namespace
}  // namespace ftcalc::testing
