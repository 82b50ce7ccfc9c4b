// The same generated project, once in the data model's layout (lines
// numbered within their quota, no declared key on them, standard materials
// in the library) and once with a key on every 编号, calculates to the same
// values: the engine's fast paths take one layout and decline on the other,
// so this compares them with each other value by value, storage class
// included.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "project_generator.h"
#include "support/test_project.h"

namespace ftcalc::testing {
namespace {

// Every row of every project table as typeof:quote texts, in rowid order,
// with the line numbers of the material and fee lines given as positions
// within their quota or item and a component's parent as its parent's
// position: what the two layouts number differently.
std::vector<std::string> Dump(TestProject& project) {
  std::vector<std::string> dump;
  const auto tables = project.Rows(
      "select name from main.sqlite_master where type='table' and name<>'定额材料明细' order by "
      "name");
  for (const std::string& table : tables) {
    std::string columns;
    for (const std::string& column :
         project.Rows("select name from pragma_table_info('" + table + "') order by cid")) {
      std::string value = "a.\"" + column + "\"";
      if ((table == "分部分项材料明细" || table == "分部分项取费明细") && column == "编号") {
        value = "a.position";
      } else if (table == "分部分项材料明细" && column == "上级编号") {
        value = "case when a.上级编号=0 then 0 else p.position end";
      }
      if (!columns.empty()) columns += "||'|'||";
      columns += "typeof(" + value + ")||':'||ifnull(quote(" + value + "),'')";
    }
    const std::string numbered =
        "(select rowid as row_key, *, row_number() over(partition by 主表 order by rowid) as "
        "position from \"" + table + "\")";
    std::string from = " from \"" + table + "\" a order by a.rowid";
    if (table == "分部分项取费明细") from = " from " + numbered + " a order by a.row_key";
    if (table == "分部分项材料明细") {
      from = " from " + numbered + " a left join " + numbered +
             " p on p.主表=a.主表 and p.编号=a.上级编号 order by a.row_key";
    }
    for (const std::string& row : project.Rows("select '" + table + " '||" + columns + from)) {
      dump.push_back(row);
    }
  }
  return dump;
}

// FTCALC_PLAIN=1 while it lives: the engine runs its plain statements only.
class PlainStatements {
 public:
  PlainStatements() { setenv("FTCALC_PLAIN", "1", 1); }
  ~PlainStatements() { unsetenv("FTCALC_PLAIN"); }
};

// The generated project calculated in full, then one quota in the middle
// of it edited (its quantity doubled) and recalculated on its own, as a
// host does after an edit.
// With `audit`, a host's trigger logs every write of a row's price.
std::vector<std::string> Calculated(projectgen::KeyLayout keys, bool edit_one_quota = false,
                                    bool audit = false) {
  TestProject project;
  projectgen::GeneratorOptions options;
  options.items = 200;
  options.headings = 110;
  options.descriptions = 30;
  options.own_sheet_share = 0.2;
  options.repeat_share = 0.3;
  options.layout.keys = keys;
  options.seed = 11;
  std::string error;
  EXPECT_TRUE(projectgen::FillProject(project.db(), options, nullptr, &error)) << error;
  if (audit) {
    project.Exec(
        "create table 价格记录(编号, 标志, 计算, 综合单价, 综合合价);"
        "create trigger 记价格 after update on 分部分项 begin insert into 价格记录 "
        "values(new.编号, new.标志, new.计算, new.综合单价, new.综合合价); end");
  }
  project.RunFull();
  EXPECT_TRUE(project.errors().empty()) << project.errors()[0].message;
  if (edit_one_quota) {
    const std::string quota = project.Text(
        "select 编号 from 分部分项 where 标志='定额' and 编号 in (select 主表 from 分部分项材料明细) "
        "order by 编号 limit 1 offset 200");
    project.Exec("update 分部分项 set 工程量=工程量*2 where 编号=" + quota);
    project.Recalc(std::stoi(quota));
    EXPECT_TRUE(project.errors().empty()) << project.errors()[0].message;
  }
  return Dump(project);
}

void ExpectSameRows(const std::vector<std::string>& a, const char* a_name,
                    const std::vector<std::string>& b, const char* b_name) {
  ASSERT_EQ(a.size(), b.size());
  EXPECT_GT(a.size(), 5000u);
  size_t differences = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (++differences <= 5) ADD_FAILURE() << a_name << ": " << a[i] << "\n" << b_name << ": " << b[i];
  }
  EXPECT_EQ(differences, 0u);
}

TEST(LayoutsTest, BothLayoutsCalculateToTheSameValues) {
  ExpectSameRows(Calculated(projectgen::KeyLayout::kDataModel), "data model",
                 Calculated(projectgen::KeyLayout::kKeyed), "keyed");
}

// Every fast path on the data model's layout (line numbers repeated across
// quotas, standard materials in the library, no declared keys on the
// lines; a third of the quotas repeating an earlier one, whose fee sheets
// are worked out once) against the plain statements alone.
TEST(LayoutsTest, FastPathsAgreeWithThePlainStatementsOnTheDataModelLayout) {
  const std::vector<std::string> fast = Calculated(projectgen::KeyLayout::kDataModel);
  std::vector<std::string> plain;
  {
    PlainStatements only;
    plain = Calculated(projectgen::KeyLayout::kDataModel);
  }
  ExpectSameRows(fast, "fast paths", plain, "plain");
}

// A host's trigger that logs every write of a price: it logs what the
// plain statements write, in their order, however often they write a row.
TEST(LayoutsTest, AHostsTriggerSeesTheWritesOfThePlainStatements) {
  const std::vector<std::string> fast = Calculated(projectgen::KeyLayout::kDataModel, true, true);
  std::vector<std::string> plain;
  {
    PlainStatements only;
    plain = Calculated(projectgen::KeyLayout::kDataModel, true, true);
  }
  ExpectSameRows(fast, "fast paths", plain, "plain");
}

TEST(LayoutsTest, PartialRecalculationAgreesWithThePlainStatementsOnTheDataModelLayout) {
  const std::vector<std::string> fast = Calculated(projectgen::KeyLayout::kDataModel, true);
  // The edit reaches the quota, its bill item and the headings above.
  EXPECT_NE(fast, Calculated(projectgen::KeyLayout::kDataModel));
  std::vector<std::string> plain;
  {
    PlainStatements only;
    plain = Calculated(projectgen::KeyLayout::kDataModel, true);
  }
  ExpectSameRows(fast, "fast paths", plain, "plain");
}

}  // namespace
}  // namespace ftcalc::testing
