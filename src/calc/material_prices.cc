#include "calc/material_prices.h"

#include <memory>
#include <string>
#include <vector>

#include "calc/carry_over.h"
#include "calc/item_tree.h"
#include "calc/material_categories.h"
#include "calc/material_groups.h"
#include "data/number_text.h"
#include "data/sql_exec.h"
#include "data/text_util.h"
#include "entry/engine_state.h"
#include "ui/host.h"

namespace ftcalc {
namespace {

// The trimmed 内容 of the library's 材料价格 setting `name`; *found is
// false when there is no such row.
std::string ReadSetting(const std::string& name, bool* found, bool report_errors = true) {
  const std::string r = Engine().LibrarySchema();
  Query& query = Engine().WorkQuery2();
  OpenQuery(query,
            "select 内容 from " + r + ".计算设置 where 上级编号 in(select 编号 from " + r +
                ".计算设置 where 名称='材料价格') and 名称='" + name + "'",
            report_errors);
  *found = query.is_open() && query.RecordCount() > 0;
  return *found ? Trim(FieldText(query, "内容")) : std::string();
}

// The names of the class, supplier and kind rows of the other library by
// key, when the lines' keys join them on an INTEGER PRIMARY KEY from numeric
// columns (see JoinedNames); false otherwise, and the select joins them.
bool LoadJoinedNames(JoinedNames* names) {
  constexpr const char* kTables[] = {"材料三材", "材料供应方", "材料标志"};
  constexpr const char* kColumns[] = {"三材", "供应方", "标志"};
  const std::string& m = Engine().other_library_alias;
  for (int i = 0; i < 3; ++i) {
    if (!HasNumericAffinity("分部分项材料明细", kColumns[i]) ||
        !IsIntegerKeyColumn(m + "." + kTables[i], "编号")) {
      return false;
    }
  }
  Query query;
  for (int i = 0; i < 3; ++i) {
    if (!OpenQuery(query, "select 编号,名称 from " + m + "." + kTables[i], false)) return false;
    for (query.First(); !query.Eof(); query.Next()) {
      int64_t key = 0;
      if (IntegerKey(query.Value(0), &key)) names->by_key[i][key] = query.Value(1);
    }
  }
  query.Close();
  return true;
}

// Inserts the lines worked out in memory under category row `k`; false,
// with nothing inserted, when that cannot be done.
bool InsertGrouped(const std::vector<MaterialGroup>& lines, const std::string& k) {
  if (k.empty() || std::to_string(CAtol(k)) != k) return false;
  if (!TryExecSql("savepoint ftcalc_material_groups")) return false;
  if (InsertMaterialGroups(lines, CAtol(k), Engine().quantity_decimals)) {
    return TryExecSql("release ftcalc_material_groups");
  }
  TryExecSql("rollback to ftcalc_material_groups");
  TryExecSql("release ftcalc_material_groups");
  return false;
}

// The category row of this build (created when missing) and its material
// lines, sorted by code and name; rows that tie there come in the order of
// the other grouped columns. `grouped`, when given, holds the lines as the
// grouped insert would make them.
void BuildCategory(const MaterialCategory& category, bool gathered,
                   const std::vector<MaterialGroup>* grouped) {
  EngineState& engine = Engine();
  const std::string qd = engine.QuantityDigits();
  const std::string label = SqlQuoted("◆" + category.name + "◆");
  const std::string find =
      "select 编号 from 材料价格 where 上级编号<>-2 and 标志='分类' and 名称='" + label + "' ";
  Query& query = engine.WorkQuery2();
  OpenQuery(query, find);
  if (query.RecordCount() == 0) {
    ExecSql("Insert into 材料价格(上级编号,名称,标志) values(0,'" + label + "','分类')");
  }
  OpenQuery(query, find);
  const std::string k = FieldText(query, "编号");
  // A line whose parts all lack a flag gathers nothing; its statement
  // would have no sub-select at all.
  if (category.parts.empty()) return;
  if (grouped != nullptr && InsertGrouped(*grouped, k)) return;

  std::string sql =
      "insert into 材料价格(上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,"
      "标志) SELECT " +
      k + ",t.编码,t.名称,t.单位,FtRou(total(t.数量)," + qd +
      ") as 数量, t.基价,(case when t.信息价 is null then 0 else t.信息价 end),"
      "t.增值税率,t.三材,t.供应方,t.标志 FROM( ";
  for (size_t i = 0; i < category.parts.size(); ++i) {
    if (i > 0) sql += " union all ";
    sql += gathered ? GatheredPartSelect(category.parts[i])
                    : CategoryPartSelect(category.parts[i], qd, engine.other_library_alias);
  }
  sql += " ) as t ";
  sql += " GROUP BY t.编码, t.名称, t.单位, t.基价, t.信息价,t.增值税率, t.三材, t.供应方, t.标志";
  sql += " ORDER BY t.编码, t.名称, t.单位, t.基价, t.信息价, t.增值税率, t.三材, t.供应方, t.标志";
  ExecSql(sql);
}

// Copies the user columns from each previous line to the new lines with
// the same code, name, unit, prices, supplier, kind and class (see
// carry_over.h). A previous line with VAT had its 信息价 replaced by the
// net price, which no new line holds before that price is computed again:
// its 信息价 is not compared.
void CarryUserColumnsOver(const std::vector<CarriedColumn>& columns) {
  if (columns.empty()) return;
  std::vector<std::string> assigned;
  for (const CarriedColumn& column : columns) assigned.push_back(column.name);

  CarryOver carry("材料价格", {{"编码", MatchKind::kText},
                               {"名称", MatchKind::kText},
                               {"单位", MatchKind::kText},
                               {"基价", MatchKind::kNumber},
                               {"信息价", MatchKind::kNumber},
                               {"供应方", MatchKind::kText},
                               {"标志", MatchKind::kText},
                               {"三材", MatchKind::kClass}});
  Query& previous = Engine().WorkQuery();
  OpenQuery(previous,
            "select * from 材料价格 where 上级编号=-2 and 标志<>'分类' and 标志<>'合计' "
            "order by 排序,编号");
  if (previous.RecordCount() == 0) return;
  carry.LoadNewRows();
  for (previous.First(); !previous.Eof(); previous.Next()) {
    ProcessMessages();
    std::string assignments;
    for (const CarriedColumn& column : columns) {
      if (!assignments.empty()) assignments += ",";
      assignments += column.name + "=" +
                     CarriedValue(previous, column.name,
                                  column.as_number ? CarryKind::kNumber : CarryKind::kText);
    }
    const bool has_vat = FieldNumber(previous, "增值税率") > 0;
    carry.Apply(previous, assignments, assigned,
                has_vat ? std::vector<std::string>{"信息价"} : std::vector<std::string>{});
  }
}

// Writes each category row's sums of its lines.
void SumCategories(const std::string& d) {
  Query& categories = Engine().WorkQuery();
  Query& sums = Engine().WorkQuery2();
  OpenQuery(categories, "select 编号 from 材料价格 where 标志='分类'");
  for (categories.First(); !categories.Eof(); categories.Next()) {
    const std::string id = FieldText(categories, "编号");
    OpenQuery(sums, "select FtRou(total(价差)," + d + ") as 价差, FtRou(total(合价)," + d +
                        ") as 合价, FtRou(total(含税合价)," + d +
                        ") as 含税合价 from 材料价格 where 上级编号=" + id);
    ExecSql("update 材料价格 set 价差=" + FieldNumberLiteral(sums, "价差") +
            ", 合价=" + FieldNumberLiteral(sums, "合价") +
            ", 含税合价=" + FieldNumberLiteral(sums, "含税合价") + " where 编号=" + id);
  }
}

// The material list worked out ahead (see material_prices.h).
struct MaterialListAhead {
  std::string setting;  // 材料汇总, as read when started
  std::vector<MaterialCategory> categories;
  JoinedNames names;
  StandardMaterials standard;
  std::unique_ptr<MaterialGrouping> grouping;
  bool kept = false;
  std::vector<std::vector<MaterialGroup>> lines;
};

MaterialListAhead& Ahead() {
  static MaterialListAhead ahead;
  return ahead;
}

}  // namespace

MaterialGrouping* StartMaterialListAhead() {
  DropMaterialListAhead();
  MaterialListAhead& ahead = Ahead();
  bool found = false;
  ahead.setting = ReadSetting("材料汇总", &found, /*report_errors=*/false);
  ahead.categories = ParseMaterialCategories(ahead.setting);
  if (!LoadJoinedNames(&ahead.names) || !ahead.standard.Load()) return nullptr;
  ahead.grouping = std::make_unique<MaterialGrouping>(ahead.categories, ahead.names,
                                                      ahead.standard, Engine().quantity_decimals);
  if (!ahead.grouping->Start()) {
    ahead.grouping.reset();
    return nullptr;
  }
  return ahead.grouping.get();
}

void FinishMaterialListAhead(bool grouped) {
  MaterialListAhead& ahead = Ahead();
  if (ahead.grouping == nullptr) return;
  if (grouped) {
    ahead.grouping->Finish(&ahead.lines);
    ahead.kept = true;
  }
  ahead.grouping.reset();
}

void DropMaterialListAhead() { Ahead() = MaterialListAhead(); }

void BuildMaterialPrices() {
  const std::string d = Engine().PriceDigits();
  bool found = false;

  ExecSql("update 材料价格 set 上级编号=-2");
  const std::vector<MaterialCategory> categories =
      ParseMaterialCategories(ReadSetting("材料汇总", &found));
  // Every category scans the same joined material lines; they are gathered
  // once into a scratch table (same rows, values and order), unless that
  // fails, in which case each category reads them itself and any error is
  // reported by its own statement.
  //
  // Better still, the grouped inserts are worked out in one pass over those
  // lines where that gives the same lines (see material_groups.h); nothing
  // needs to be gathered then.
  const std::string drop = std::string("drop table if exists ") + kGatheredLinesTable;
  TryExecSql(drop);
  std::vector<std::vector<MaterialGroup>> grouped;
  JoinedNames names;
  const bool names_by_key = LoadJoinedNames(&names);
  // Worked out ahead in the quota step, or from the lines' own columns
  // where that can be done, else from the joined lines as SQLite gives them.
  bool in_memory = false;
  if (Ahead().kept && Ahead().setting == ReadSetting("材料汇总", &found, false) &&
      Ahead().lines.size() == categories.size()) {
    grouped = std::move(Ahead().lines);
    in_memory = true;
  }
  DropMaterialListAhead();
  StandardMaterials standard;
  in_memory = in_memory || (names_by_key && standard.Load() &&
                            GroupMaterialLinesFromColumns(categories, names, standard,
                                                          Engine().quantity_decimals, &grouped));
  if (!in_memory) {
    in_memory = GroupMaterialLines(
        categories,
        GatheredLinesSelect(Engine().QuantityDigits(), Engine().other_library_alias,
                            IsIntegerKeyColumn("定额材料明细", "编号"), !names_by_key),
        names_by_key ? &names : nullptr, &grouped);
  }
  const bool gathered = !in_memory && categories.size() > 1 &&
                        TryExecSql(GatherLinesStatement(Engine().QuantityDigits(),
                                                        Engine().other_library_alias));
  for (size_t i = 0; i < categories.size(); ++i) {
    ProcessMessages();
    BuildCategory(categories[i], gathered, in_memory ? &grouped[i] : nullptr);
  }
  if (gathered) TryExecSql(drop);
  CarryUserColumnsOver(ParseCarriedColumns(ReadSetting("恢复数据", &found)));
  ExecSql("delete from 材料价格 where 上级编号=-2");
  ProcessMessages();

  // Lines with VAT get the price net of tax as information price.
  ExecSql("update 材料价格 set 信息价=FtRou(基价/(1+增值税率/100.0)," + d +
          ") where cast(增值税率 as real)>0");
  ProcessMessages();
  ExecSql("update 材料价格 set 含税合价=FtRou(基价*数量," + d +
          ") where 标志 not in('分类','合计')");
  ProcessMessages();

  // Without a list of kinds to leave out, every row gets its difference
  // and amount.
  const std::string excluded = ReadSetting("不算价差", &found);
  std::string sql =
      "update 材料价格 set 价差=FtRou((case when cast(信息价 as real)<>0 then "
      "(信息价-基价)*数量 else 0 end)," +
      d + "), 合价=FtRou((case when cast(信息价 as real)<>0 then 信息价 else 基价 end)*数量," + d +
      ")";
  if (!excluded.empty()) sql += " where  标志 not in(" + excluded + ")";
  ExecSql(sql);
  ProcessMessages();

  SumCategories(d);
  ProcessMessages();
  ExecSql(
      "Insert into 材料价格(上级编号,名称,标志,价差,合价,含税合价) select 0,'#### 合 计 "
      "####','合计',"
      "FtRou(total(价差)," +
      d + ") as 价差, FtRou(total(合价)," + d + ") as 合价, FtRou(total(含税合价)," + d +
      ") as 含税合价 from 材料价格 where 标志='分类'");
  ProcessMessages();
  ExecSql("update 材料价格 set 排序=编号");
}

}  // namespace ftcalc
