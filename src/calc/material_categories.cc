#include "calc/material_categories.h"

#include "data/sql_exec.h"
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

std::string CategoryPartSelect(const CategoryPart& part, const std::string& quantity_digits,
                               const std::string& other_alias) {
  const std::string& m = other_alias;
  std::string sql =
      " SELECT (case when a.编码 is not null then a.编码 else b.编码 end) as 编码, "
      "(case when a.名称 is not null then a.名称 else b.名称 end) as 名称, "
      "(case when a.单位 is not null then a.单位 else b.单位 end) as 单位, "
      "(case when cast(a.基价 as real)<>0 then a.基价 else b.基价 end) as 基价, "
      "a.信息价,a.增值税率,c.名称 as 三材,d.名称 as 供应方,e.名称 as 标志, "
      "FtRou(a.实际量*fb.工程量*(case when a.上级编号=0 then 1 else fa.实际量 end)," +
      quantity_digits +
      ") as 数量 from 分部分项材料明细 a left join 分部分项材料明细 fa on fa.主表=a.主表 and "
      "fa.编号=a.上级编号 left join 分部分项 fb on fb.编号=a.主表 left join 定额材料明细 b on "
      "b.编号=a.材料编号 left join " +
      m + ".材料三材 c on c.编号=a.三材 left join " + m +
      ".材料供应方 d on d.编号=a.供应方 left join " + m +
      ".材料标志 e on e.编号=a.标志"
      " where cast(a.实际量 as real)<>0 and a.主表 in(select 编号 from 分部分项 where "
      "标志='定额' and ifnull(编码,'') not like '//%' and ifnull(名称,'') not like '//%')";
  std::string kinds;
  for (const std::string& kind : part.kinds) {
    if (!kinds.empty()) kinds += ",";
    kinds += "'" + SqlQuoted(kind) + "'";
  }
  if (part.kinds.size() == 1) {
    sql += " and e.名称=" + kinds;
  } else {
    sql += " and e.名称 in(" + kinds + ")";
  }
  if (part.flag == "0") {
    sql += " and a.上级编号=0";
  } else if (part.flag == "1") {
    sql += " and a.上级编号>0";
  }
  return sql;
}

}  // namespace ftcalc
