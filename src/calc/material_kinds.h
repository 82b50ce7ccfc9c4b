// The material kinds the quota step sums, and the price and unit a
// material line takes: the engine's rules, for the steps and for the tools
// that explain them.
#ifndef FTCALC_CALC_MATERIAL_KINDS_H_
#define FTCALC_CALC_MATERIAL_KINDS_H_

#include <string>

namespace ftcalc {

enum class MaterialKind { kLabour, kMaterial, kMachine, kMainMaterial, kEquipment };

// The direct-cost kinds, in the order their sums run.
constexpr MaterialKind kDirectCostKinds[] = {MaterialKind::kLabour, MaterialKind::kMaterial,
                                             MaterialKind::kMachine};

// The lines of a kind carry a key of the other library's 材料标志 in 标志:
// the one key `subquery` gives (`scalar`: labour, main material, equipment;
// when several rows qualify, the first the database returns decides), or
// any key of its list (materials, machines).
struct KindSelect {
  bool scalar = false;
  std::string subquery;
  // The condition on a.标志 that selects the lines.
  std::string Condition() const;
};

// `other_alias` is the schema of the other-quota library (其他).
KindSelect KindSelectOf(const std::string& other_alias, MaterialKind kind);

// The 材料标志 name (or, for equipment, the part of it) that makes a line
// of `kind`: "人工"; "材料", "商品砼", "泵商砼", "配比", "普通砼", "泵送砼";
// "机械", "机材"; "主材"; names containing "设备".
bool KindNameMatches(MaterialKind kind, const std::string& name);

// The unit-cost column a direct-cost kind sums into (单价_人工费,
// 单价_材料费, 单价_机械费); empty for the others.
std::string UnitCostColumn(MaterialKind kind);

// A line's price: a positive market price wins, then a non-zero own base
// price (negative ones included), then `standard_price` (the library's
// base price; a missing library row prices the line at NULL, so it adds
// nothing). The comparisons read the columns as numbers, so that a price
// stored as text is judged by its value, not ranked above every number.
// The line is `a`.
std::string LinePriceSql(const std::string& standard_price);
// Which of those prices the line takes, as a text for the user: '信息价',
// '基价', '库基价', or '' when `standard_missing` (a condition: the line
// has no library row) holds.
std::string LinePriceSourceSql(const std::string& standard_missing);
// A line's unit: its own, or `standard_unit` when it has none.
std::string LineUnitSql(const std::string& standard_unit);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_KINDS_H_
