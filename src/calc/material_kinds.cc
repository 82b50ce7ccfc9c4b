#include "calc/material_kinds.h"

#include "data/text_util.h"

namespace ftcalc {

std::string KindSelect::Condition() const {
  return scalar ? "a.标志=(" + subquery + ")" : "a.标志 in(" + subquery + ")";
}

KindSelect KindSelectOf(const std::string& other_alias, MaterialKind kind) {
  const std::string from = "select 编号 from " + other_alias + ".材料标志 where ";
  switch (kind) {
    case MaterialKind::kLabour: return {true, from + "名称='人工'"};
    case MaterialKind::kMaterial:
      return {false, from + "名称 in('材料','商品砼','泵商砼','配比','普通砼','泵送砼')"};
    case MaterialKind::kMachine: return {false, from + "名称 in('机械','机材')"};
    case MaterialKind::kMainMaterial: return {true, from + "名称='主材'"};
    case MaterialKind::kEquipment: return {true, from + "名称 like '%设备%'"};
  }
  return {};
}

bool KindNameMatches(MaterialKind kind, const std::string& name) {
  switch (kind) {
    case MaterialKind::kLabour: return name == "人工";
    case MaterialKind::kMaterial:
      return name == "材料" || name == "商品砼" || name == "泵商砼" || name == "配比" ||
             name == "普通砼" || name == "泵送砼";
    case MaterialKind::kMachine: return name == "机械" || name == "机材";
    case MaterialKind::kMainMaterial: return name == "主材";
    case MaterialKind::kEquipment: return Contains(name, "设备");
  }
  return false;
}

std::string UnitCostColumn(MaterialKind kind) {
  switch (kind) {
    case MaterialKind::kLabour: return "单价_人工费";
    case MaterialKind::kMaterial: return "单价_材料费";
    case MaterialKind::kMachine: return "单价_机械费";
    default: return std::string();
  }
}

namespace {

// The line's own prices that win, in this order, over the library's.
constexpr char kMarketPriceWins[] = "cast(a.信息价 as real)>0";
constexpr char kOwnPriceWins[] = "cast(a.基价 as real)<>0";

}  // namespace

std::string LinePriceSql(const std::string& standard_price) {
  return std::string("(case when ") + kMarketPriceWins + " then a.信息价 else (case when " +
         kOwnPriceWins + " then a.基价 else " + standard_price + " end) end)";
}

std::string LinePriceSourceSql(const std::string& standard_missing) {
  return std::string("(case when ") + kMarketPriceWins + " then '信息价' when " + kOwnPriceWins +
         " then '基价' when " + standard_missing + " then '' else '库基价' end)";
}

std::string LineUnitSql(const std::string& standard_unit) {
  return "(case when a.单位 is null or a.单位='' then " + standard_unit + " else a.单位 end)";
}

}  // namespace ftcalc
