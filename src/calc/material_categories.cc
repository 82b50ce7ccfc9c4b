#include "calc/material_categories.h"

#include "data/text_util.h"

namespace ftcalc {
namespace {

// The name=value lines of a setting, comments and blank lines dropped.
std::vector<std::pair<std::string, std::string>> SettingLines(std::string_view setting) {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const std::string& line : SplitLines(Trim(setting))) {
    if (Trim(line).empty() || StartsWith(line, "//")) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    lines.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return lines;
}

}  // namespace

std::vector<MaterialCategory> ParseMaterialCategories(std::string_view setting) {
  std::vector<MaterialCategory> categories;
  for (auto& [name, value] : SettingLines(setting)) {
    MaterialCategory category;
    category.name = name;
    for (const std::string& piece : Split(value, ";")) {
      std::string part = piece.substr(0, piece.find('|'));
      size_t colon = part.find(':');
      if (colon == std::string::npos) continue;
      category.parts.push_back({part.substr(0, colon), Split(part.substr(colon + 1), ",")});
    }
    categories.push_back(std::move(category));
  }
  return categories;
}

std::vector<CarriedColumn> ParseCarriedColumns(std::string_view setting) {
  std::vector<CarriedColumn> columns;
  for (auto& [name, type] : SettingLines(setting)) columns.push_back({name, type == "0"});
  return columns;
}

namespace {

// A column of the line's standard material: b's, or with `by_key` read
// from 定额材料明细 by the line's 材料编号 only where it is needed (the same
// value when 编号 is the table's key).
std::string Standard(const std::string& column, bool by_key) {
  return by_key ? "(select " + column + " from 定额材料明细 where 编号=a.材料编号)" : "b." + column;
}

// Columns, sources and the conditions every part shares. Without
// `join_names` the class, supplier and kind come as the lines' own keys.
std::string LineColumns(const std::string& quantity_digits, bool by_key = false,
                        bool join_names = true) {
  return " SELECT (case when a.编码 is not null then a.编码 else " + Standard("编码", by_key) +
         " end) as 编码, (case when a.名称 is not null then a.名称 else " +
         Standard("名称", by_key) + " end) as 名称, (case when a.单位 is not null then a.单位 else " +
         Standard("单位", by_key) +
         " end) as 单位, (case when cast(a.基价 as real)<>0 then a.基价 else " +
         Standard("基价", by_key) +
         " end) as 基价, a.信息价,a.增值税率," +
         (join_names ? "c.名称 as 三材,d.名称 as 供应方,e.名称 as 标志, "
                     : "a.三材 as 三材,a.供应方 as 供应方,a.标志 as 标志, ") +
         "FtRou(a.实际量*fb.工程量*(case when a.上级编号=0 then 1 else fa.实际量 end)," +
         quantity_digits + ") as 数量";
}

std::string LineSources(const std::string& m, bool by_key = false, bool join_names = true) {
  return std::string(
             " from 分部分项材料明细 a left join 分部分项材料明细 fa on fa.主表=a.主表 and "
             "fa.编号=a.上级编号 left join 分部分项 fb on fb.编号=a.主表") +
         (by_key ? "" : " left join 定额材料明细 b on b.编号=a.材料编号") +
         (join_names ? " left join " + m + ".材料三材 c on c.编号=a.三材 left join " + m +
                           ".材料供应方 d on d.编号=a.供应方 left join " + m +
                           ".材料标志 e on e.编号=a.标志"
                     : std::string()) +
         " where cast(a.实际量 as real)<>0 and a.主表 in(select 编号 from 分部分项 where "
         "标志='定额' and ifnull(编码,'') not like '//%' and ifnull(名称,'') not like '//%')";
}

// The kind and level conditions of a part; `kind` and `level` name the
// columns they test.
std::string PartConditions(const CategoryPart& part, const std::string& kind,
                           const std::string& level) {
  std::string kinds;
  for (const std::string& name : part.kinds) {
    if (!kinds.empty()) kinds += ",";
    kinds += "'" + SqlQuoted(name) + "'";
  }
  std::string sql = part.kinds.size() == 1 ? " and " + kind + "=" + kinds
                                           : " and " + kind + " in(" + kinds + ")";
  if (part.flag == "0") {
    sql += " and " + level + "=0";
  } else if (part.flag == "1") {
    sql += " and " + level + ">0";
  }
  return sql;
}

}  // namespace

const char kGatheredLinesTable[] = "temp.ftcalc_material_lines";

std::string CategoryPartSelect(const CategoryPart& part, const std::string& quantity_digits,
                               const std::string& other_alias) {
  return LineColumns(quantity_digits) + LineSources(other_alias) +
         PartConditions(part, "e.名称", "a.上级编号");
}

std::string GatheredLinesSelect(const std::string& quantity_digits, const std::string& other_alias,
                                bool standard_by_key, bool join_names) {
  // The column of a.上级编号 keeps its type (and so its comparisons); the
  // rowid keeps the scan order of the material lines.
  return LineColumns(quantity_digits, standard_by_key, join_names) + ", a.上级编号 as 层级" +
         LineSources(other_alias, standard_by_key, join_names) + " order by a.rowid";
}

std::string GatherLinesStatement(const std::string& quantity_digits,
                                 const std::string& other_alias) {
  return "create temp table ftcalc_material_lines as" +
         GatheredLinesSelect(quantity_digits, other_alias, false, true);
}

std::string GatheredPartSelect(const CategoryPart& part) {
  return std::string(" SELECT 编码,名称,单位,基价,信息价,增值税率,三材,供应方,标志,数量 from ") +
         kGatheredLinesTable + " where 1" + PartConditions(part, "标志", "层级");
}

}  // namespace ftcalc
