// The material list's category lines worked out in one pass, against the
// grouped statement SQLite runs for them: the same groups, in the same
// order, with bit-identical sums (which depend on the order rows are
// added), and declined where the two could differ.
#include "calc/material_groups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/material_categories.h"
#include "calc/material_line_lookups.h"
#include "data/sqlite_handle.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

constexpr char kSource[] =
    "select 编码,名称,单位,基价,信息价,增值税率,三材,供应方,标志,数量,层级 from "
    "temp.ftcalc_material_lines order by rowid";

class MaterialGroupsTest : public ::testing::Test {
 protected:
  MaterialGroupsTest() {
    p_.SetUpEngine();
    p_.Exec(
        "create temp table ftcalc_material_lines(编码 TEXT,名称 TEXT,单位 TEXT,基价 REAL,"
        "信息价 REAL,增值税率 REAL,三材 TEXT,供应方 TEXT,标志 TEXT,数量 REAL,层级 INT)");
  }

  void Line(const std::string& values) {
    p_.Exec("insert into temp.ftcalc_material_lines values(" + values + ")");
  }

  // SQLite's own grouping of one category, as the insert runs it.
  std::vector<std::string> GroupedBySqlite(const MaterialCategory& category,
                                           std::vector<double>* totals) {
    std::string sql =
        "select quote(编码),quote(名称),quote(单位),quote(基价),quote(信息价),quote(增值税率),"
        "quote(三材),quote(供应方),quote(标志),total(数量) from (";
    for (size_t i = 0; i < category.parts.size(); ++i) {
      if (i > 0) sql += " union all ";
      sql += GatheredPartSelect(category.parts[i]);
    }
    sql +=
        ") as t group by t.编码,t.名称,t.单位,t.基价,t.信息价,t.增值税率,t.三材,t.供应方,t.标志 "
        "order by t.编码,t.名称,t.单位,t.基价,t.信息价,t.增值税率,t.三材,t.供应方,t.标志";
    Statement stmt;
    EXPECT_EQ(stmt.Prepare(p_.db(), sql), SQLITE_OK) << sql;
    std::vector<std::string> rows;
    while (stmt.Step() == SQLITE_ROW) {
      std::string row;
      for (int i = 0; i < 9; ++i) {
        row += reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), i));
        row += "|";
      }
      rows.push_back(row);
      totals->push_back(sqlite3_column_double(stmt.get(), 9));
    }
    return rows;
  }

  // The same lines worked out in one pass, keys written as quote() would.
  std::vector<std::string> Quoted(const std::vector<MaterialGroup>& lines) {
    std::vector<std::string> rows;
    for (const MaterialGroup& line : lines) {
      std::string row;
      for (const SqlValue& key : line.keys) {
        Statement stmt;
        EXPECT_EQ(stmt.Prepare(p_.db(), "select quote(?1)"), SQLITE_OK);
        switch (key.type()) {
          case SQLITE_INTEGER: stmt.BindInt64(1, key.integer()); break;
          case SQLITE_FLOAT: stmt.BindDouble(1, key.real()); break;
          case SQLITE_TEXT: stmt.BindText(1, key.text()); break;
          default: stmt.BindNull(1); break;
        }
        EXPECT_EQ(stmt.Step(), SQLITE_ROW);
        row += reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
        row += "|";
      }
      rows.push_back(row);
    }
    return rows;
  }

  TestProject p_;
};

// Codes NULL, "B", "M1", "M2" in that order; 砂 at 60 as 材料 gathers a
// part-1 and a part-2 line, 砂 as 配比 and 砂 at 65 are groups of their own;
// a NULL level matches neither part, a text level counts as above 0. The
// 1e16 group sums to 1 when parts are added one after the other and to 2 in
// plain row order: SQLite's sorter hands equal keys over in the order they
// came, part by part.
TEST_F(MaterialGroupsTest, SameGroupsOrderAndSumsAsTheGroupedStatement) {
  Line("'M2','砂','m3',60,NULL,0,NULL,'承包人','材料',1.5,0");
  Line("'M1','水泥','t',400,NULL,0,NULL,'承包人','材料',2.25,0");
  Line("'M2','砂','m3',60,NULL,0,NULL,'承包人','配比',0.1,3");
  Line("'M2','砂','m3',60,NULL,0,NULL,'承包人','材料',0.7,5");
  Line("NULL,'无码','个',1,NULL,0,NULL,NULL,'材料',4,0");
  Line("'M2','砂','m3',65,NULL,0,NULL,'承包人','材料',1,0");
  Line("'M1','水泥','t',400,NULL,0,NULL,'承包人','人工',9,0");
  Line("'a','x','y',1,NULL,0,NULL,NULL,'材料',1,NULL");
  Line("'B','x','y',1,NULL,0,NULL,NULL,'材料',2,'x'");
  Line("'Z','大','t',1,2,13,'钢材','发包人','材料',-1e16,1");
  Line("'Z','大','t',1,2,13,'钢材','发包人','材料',1e16,0");
  Line("'Z','大','t',1,2,13,'钢材','发包人','材料',1,1");
  Line("'Z','大','t',1,2,13,'钢材','发包人','材料',1,0");

  const std::vector<MaterialCategory> categories = {
      {"材料", {{"0", {"材料"}}, {"1", {"材料", "配比"}}}},
      {"人工", {{"2", {"人工"}}}},
      {"无", {{"0", {"机械"}}}},
  };
  std::vector<std::vector<MaterialGroup>> lines;
  ASSERT_TRUE(GroupMaterialLines(p_.Context().db, categories, kSource, nullptr, &lines));
  ASSERT_EQ(lines.size(), 3u);

  for (size_t c = 0; c < categories.size(); ++c) {
    std::vector<double> totals;
    EXPECT_EQ(Quoted(lines[c]), GroupedBySqlite(categories[c], &totals)) << categories[c].name;
    ASSERT_EQ(lines[c].size(), totals.size());
    for (size_t i = 0; i < totals.size(); ++i) EXPECT_EQ(lines[c][i].quantity, totals[i]);
  }

  // The same lines with the class, supplier and kind as keys, and the names
  // looked up: a missing key, a NULL and a text key all join no row.
  p_.Exec(
      "create temp table raw as select 编码,名称,单位,基价,信息价,增值税率,"
      "case 三材 when '钢材' then 1 else 99 end as 三材,"
      "case 供应方 when '承包人' then 1 when '发包人' then 2.0 end as 供应方,"
      "case 标志 when '材料' then 1 when '配比' then 2 when '人工' then 3 else 'x' end as 标志,"
      "数量,层级 from temp.ftcalc_material_lines order by rowid");
  JoinedNames names;
  names.by_key[0][1] = SqlValue::Text("钢材");
  names.by_key[1][1] = SqlValue::Text("承包人");
  names.by_key[1][2] = SqlValue::Text("发包人");
  names.by_key[2][1] = SqlValue::Text("材料");
  names.by_key[2][2] = SqlValue::Text("配比");
  names.by_key[2][3] = SqlValue::Text("人工");
  std::vector<std::vector<MaterialGroup>> looked_up;
  ASSERT_TRUE(GroupMaterialLines(p_.Context().db, 
      categories,
      "select 编码,名称,单位,基价,信息价,增值税率,三材,供应方,标志,数量,层级 from temp.raw order by "
      "rowid",
      &names, &looked_up));
  ASSERT_EQ(looked_up.size(), lines.size());
  for (size_t c = 0; c < lines.size(); ++c) {
    EXPECT_EQ(Quoted(looked_up[c]), Quoted(lines[c]));
    ASSERT_EQ(looked_up[c].size(), lines[c].size());
    for (size_t i = 0; i < lines[c].size(); ++i) {
      EXPECT_EQ(looked_up[c][i].quantity, lines[c][i].quantity);
    }
  }

  const std::vector<MaterialGroup>& materials = lines[0];
  ASSERT_EQ(materials.size(), 7u);
  EXPECT_TRUE(materials[0].keys[0].is_null());
  EXPECT_EQ(materials[1].keys[0].text(), "B");
  EXPECT_EQ(materials[3].quantity, 1.5 + 0.7);
  EXPECT_EQ(materials[4].keys[8].text(), "配比");
  EXPECT_EQ(materials[6].quantity, 1.0);
  EXPECT_EQ(lines[1].size(), 1u);
  EXPECT_TRUE(lines[2].empty());
}

// Equal numbers stored as INTEGER and REAL share a group but would be
// written differently; a negative zero groups with zero. Both are left to
// the statement.
TEST_F(MaterialGroupsTest, DeclinesWhereTheStatementCouldDiffer) {
  const std::vector<MaterialCategory> categories = {{"材料", {{"2", {"材料"}}}}};
  std::vector<std::vector<MaterialGroup>> lines;

  Line("'M1','砂','m3',60,NULL,0,NULL,NULL,'材料',1,0");
  p_.Exec(
      "insert into temp.ftcalc_material_lines select 'M1','砂','m3',cast(60 as integer),NULL,0,"
      "NULL,NULL,'材料',1,0");
  // REAL affinity turns the integer back into 60.0: still one kind.
  EXPECT_TRUE(GroupMaterialLines(p_.Context().db, categories, kSource, nullptr, &lines));

  p_.Exec("drop table temp.ftcalc_material_lines");
  p_.Exec(
      "create temp table ftcalc_material_lines(编码,名称,单位,基价,信息价,增值税率,三材,供应方,"
      "标志,数量 REAL,层级 INT)");
  Line("'M1','砂','m3',60,NULL,0,NULL,NULL,'材料',1,0");
  Line("'M1','砂','m3',60.0,NULL,0,NULL,NULL,'材料',1,0");
  EXPECT_FALSE(GroupMaterialLines(p_.Context().db, categories, kSource, nullptr, &lines));

  p_.Exec("delete from temp.ftcalc_material_lines");
  Line("'M1','砂','m3',-0.0,NULL,0,NULL,NULL,'材料',1,0");
  EXPECT_FALSE(GroupMaterialLines(p_.Context().db, categories, kSource, nullptr, &lines));

  p_.Exec("delete from temp.ftcalc_material_lines");
  Line("'M1','砂','m3',1,NULL,0,NULL,NULL,'材料','1',0");  // a quantity that is no REAL
  p_.Exec("update temp.ftcalc_material_lines set 数量='n/a'");
  EXPECT_FALSE(GroupMaterialLines(p_.Context().db, categories, kSource, nullptr, &lines));
}

// The lines worked out from the material lines' own columns, against the
// same grouping of the joined lines as SQLite gives them: lines of quotas
// left out (commented out, not a quota, no 主表), no quantity, the library's
// code and price where the line has none, child lines through their parent.
TEST_F(MaterialGroupsTest, FromColumnsGivesWhatTheJoinedLinesGive) {
  // The pass reads the lines of a host that keys them across the table.
  p_.DeclareIntegerKey("分部分项材料明细", "编号");
  p_.Exec(
      "insert into 其他.材料三材(编号,名称) values(1,'钢材');"
      "insert into 其他.材料供应方(编号,名称) values(1,'承包人'),(2,'发包人');"
      "insert into 其他.材料标志(编号,名称) values(1,'人工'),(2,'材料'),(3,'配比');"
      "insert into 定额材料明细(编号,编码,名称,单位,基价) values(900,'M9','标准料','kg',7.5);"
      "insert into 分部分项(编号,标志,编码,名称,工程量) values(10,'定额','1-1','挖方',3),"
      "(11,'定额','//1-2','注释',2.5),(12,'项','101','清单',1),(13,'定额','1-3','空量',NULL)");
  const char* lines[] = {
      // 编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,实际量,标志,三材,供应方
      "1,10,0,0,'M1','水泥','t',400,NULL,2.25,2,1,1",
      "2,10,0,900,NULL,NULL,'t',0,410,1.5,2,NULL,2",  // the library's code, name, price
      "3,10,2,0,'M2','砂','m3',60,NULL,0.7,3,NULL,1",  // x its parent's 1.5
      "4,10,0,0,'M1','水泥','t',400,NULL,0,2,1,1",     // no quantity
      "5,11,0,0,'M1','水泥','t',400,NULL,1,2,1,1",     // commented-out quota
      "6,12,0,0,'M1','水泥','t',400,NULL,1,2,1,1",     // a bill item
      "7,NULL,0,0,'M1','水泥','t',400,NULL,1,2,1,1",   // no quota
      "8,13,0,0,'M1','水泥','t',400,NULL,1,2,1,1",     // a quota without quantity
      "9,10,77,0,'M2','砂','m3',60,NULL,1,3,NULL,1",   // a parent that is missing
      "10,10,0,0,'L1','工日','工日',100,NULL,4.5,1,NULL,NULL",
      "11,10,0,0,'M1','水泥','t',-400,NULL,1e-3,2,1,1"};
  for (const char* line : lines) {
    p_.Exec("insert into 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,"
            "实际量,标志,三材,供应方) values(" + std::string(line) + ")");
  }
  JoinedNames names;
  names.by_key[0][1] = SqlValue::Text("钢材");
  names.by_key[1][1] = SqlValue::Text("承包人");
  names.by_key[1][2] = SqlValue::Text("发包人");
  names.by_key[2][1] = SqlValue::Text("人工");
  names.by_key[2][2] = SqlValue::Text("材料");
  names.by_key[2][3] = SqlValue::Text("配比");
  const std::vector<MaterialCategory> categories = {
      {"材料", {{"0", {"材料"}}, {"1", {"材料", "配比"}}}},
      {"人工", {{"2", {"人工"}}}},
  };
  StandardMaterials standard;
  ASSERT_TRUE(standard.Load(p_.Context().db));
  std::vector<std::vector<MaterialGroup>> raw;
  ASSERT_TRUE(GroupMaterialLinesFromColumns(p_.Context().db, categories, names, standard,
                                            p_.Settings().quantity_decimals, &raw));
  std::vector<std::vector<MaterialGroup>> joined;
  ASSERT_TRUE(GroupMaterialLines(p_.Context().db, 
      categories,
      GatheredLinesSelect(p_.Settings().QuantityDigits(), p_.Settings().other_library_alias, true, false),
      &names, &joined));
  ASSERT_EQ(raw.size(), joined.size());
  for (size_t c = 0; c < raw.size(); ++c) {
    EXPECT_EQ(Quoted(raw[c]), Quoted(joined[c])) << c;
    ASSERT_EQ(raw[c].size(), joined[c].size());
    for (size_t i = 0; i < raw[c].size(); ++i) EXPECT_EQ(raw[c][i].quantity, joined[c][i].quantity);
  }

  // By hand: 水泥 at 400 gets 2.25 x 3 (lines 4 to 7 do not count, line 8
  // counts 0); the library's line is M9 at 7.5 (1.5 x 3); 砂 gets 0.7 x 1.5
  // x 3 and 0 for the line whose parent is missing; 水泥 at -400 is a group
  // of its own.
  ASSERT_EQ(raw[0].size(), 4u);
  EXPECT_EQ(Quoted(raw[0])[0], "'M1'|'水泥'|'t'|-400.0|NULL|NULL|'钢材'|'承包人'|'材料'|");
  EXPECT_EQ(raw[0][1].quantity, 6.75);
  EXPECT_EQ(Quoted(raw[0])[2], "'M2'|'砂'|'m3'|60.0|NULL|NULL|NULL|'承包人'|'配比'|");
  EXPECT_EQ(raw[0][2].quantity, 3.15);
  EXPECT_EQ(Quoted(raw[0])[3], "'M9'|'标准料'|'t'|7.5|410.0|NULL|NULL|'发包人'|'材料'|");
  EXPECT_EQ(raw[0][3].quantity, 4.5);
  ASSERT_EQ(raw[1].size(), 1u);
  EXPECT_EQ(raw[1][0].quantity, 13.5);

  // A quantity held as text is SQLite's to read.
  p_.Exec("update 分部分项材料明细 set 实际量='1吨' where 编号=1");
  EXPECT_FALSE(GroupMaterialLinesFromColumns(p_.Context().db, categories, names, standard,
                                             p_.Settings().quantity_decimals, &raw));
}

}  // namespace
}  // namespace ftcalc
