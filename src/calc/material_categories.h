// The two setting texts that shape the material list: the categories
// ('材料汇总') and the user columns carried from build to build ('恢复数据'),
// and the sub-select that gathers the material lines of one category part.
#ifndef FTCALC_CALC_MATERIAL_CATEGORIES_H_
#define FTCALC_CALC_MATERIAL_CATEGORIES_H_

#include <string>
#include <string_view>
#include <vector>

namespace ftcalc {

// "flag:kind,kind|ignored". Flag "0" takes only the quotas' own materials,
// "1" only the components of composite materials, any other flag both.
struct CategoryPart {
  std::string flag;
  std::vector<std::string> kinds;  // 材料标志 names, as written
};

// One "name=part;part" line.
struct MaterialCategory {
  std::string name;
  std::vector<CategoryPart> parts;  // parts without ":" are left out
};

// A "column=type" line: type "0" carries the value as a number, any other
// type as text.
struct CarriedColumn {
  std::string name;
  bool as_number = false;
};

// Both settings skip blank lines, lines beginning with "//" and lines that
// hold no "="; a line splits at its first "=". Names and values are used as
// written (untrimmed).
std::vector<MaterialCategory> ParseMaterialCategories(std::string_view setting);
std::vector<CarriedColumn> ParseCarriedColumns(std::string_view setting);

// The sub-select of one category part: code, name, unit, base price (the
// line's unless 0, else the standard material's), information price, VAT
// rate, looked-up class, supplier and kind names, and the quantity per
// line: 实际量 x the quota's 工程量, times the composite's 实际量 for a
// component, rounded to `quantity_digits`. Lines of quotas whose code or
// name begins with "//" are left out; a quota without code or name counts
// (a NULL must not drop its materials from the list). `other_alias` is the schema of the
// lookup tables.
std::string CategoryPartSelect(const CategoryPart& part, const std::string& quantity_digits,
                               const std::string& other_alias);

// The same lines gathered once for all categories: every line the
// sub-selects can take, with the same columns and values, plus the line's
// 上级编号 (as 层级) to tell a quota's own materials from components. Rows
// come in the order in which the sub-selects scan the material lines.
extern const char kGatheredLinesTable[];
// The joined lines every category reads (code, name, unit, prices, VAT,
// class, supplier, kind, quantity, level), in the material lines' order;
// and the statement that gathers them into kGatheredLinesTable. Every
// column of the scratch table takes the affinity its source has, which
// changes no value: reading the select gives the same rows and values as
// reading the table. `standard_by_key` (for when 定额材料明细.编号 is that
// table's key) reads a line's standard material only for the values the
// line lacks, instead of joining it to every line. Without `join_names` the
// class, supplier and kind columns hold the lines' own keys (三材, 供应方,
// 标志) instead of the names of the library rows they join.
std::string GatheredLinesSelect(const std::string& quantity_digits, const std::string& other_alias,
                                bool standard_by_key, bool join_names);
std::string GatherLinesStatement(const std::string& quantity_digits,
                                 const std::string& other_alias);
// The sub-select of one category part over the gathered lines.
std::string GatheredPartSelect(const CategoryPart& part);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_CATEGORIES_H_
