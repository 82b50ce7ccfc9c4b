#include "calc/fee_outcome.h"

#include <iterator>

#include "data/fields.h"
#include "data/number_text.h"

namespace ftcalc {
namespace {

// A component value as pasted into the insert. The evaluator gives a
// number text; anything else (an infinity, a leftover list) is pasted as
// the number it reads as, so that it cannot break the statement.
std::string ComponentLiteral(const std::string& value) {
  if (!value.empty() && CAtofLength(value) == value.size()) return value;
  return NumberText(CAtof(value));
}

// The record's values in the insert's column order: a fee line's value
// (by tag), which also adds to sum `sum`, or (tag nullptr) sum `sum` itself:
// 综合1 and 综合2 after 2.11, 综合3 after 3.5, 综合4 after 4.5.
struct RecordValue {
  const char* tag;
  int sum;
};

constexpr RecordValue kRecord[] = {
    {"<:2.1>", 0}, {"<:2.2>", 0}, {"<:2.3>", 0},  {"<:2.4>", 1},  {"<:2.5>", 1}, {"<:2.6>", 0},
    {"<:2.7>", 1}, {"<:2.8>", 0}, {"<:2.9>", 0},  {"<:2.10>", 0}, {"<:2.11>", 0}, {nullptr, 0},
    {nullptr, 1},  {"<:3.1>", 2}, {"<:3.2>", 2},  {"<:3.3>", 2},  {"<:3.4>", 2}, {"<:3.5>", 2},
    {nullptr, 2},  {"<:4.1>", 3}, {"<:4.2>", 3},  {"<:4.3>", 3},  {"<:4.4>", 3}, {"<:4.5>", 3},
    {nullptr, 3},
};

// The record's values: each line's value, pasted as a number, and the four
// sums of them.
std::vector<std::string> ComponentsOf(const FeeSheet& sheet) {
  std::vector<std::string> numbers;
  numbers.reserve(std::size(kRecord));
  double sums[4] = {0, 0, 0, 0};
  for (const RecordValue& column : kRecord) {
    if (column.tag == nullptr) {
      numbers.push_back(NumberText(sums[column.sum]));
      continue;
    }
    // A sheet without the line contributes "0".
    const std::string value = sheet.EvaluatedValue(column.tag);
    numbers.push_back(ComponentLiteral(value));
    sums[column.sum] += CAtof(value);
  }
  return numbers;
}

// Columns cleared when the sheet gives the row no price of its own.
constexpr const char* kUnitCostColumns[] = {"单价_人工费", "单价_材料费", "单价_机械费"};
constexpr const char* kClearedColumns[] = {"合价_人工费", "合价_材料费", "合价_机械费", "直接费",
                                           "直接工程费",  "其他费用",    "规费",        "管理费",
                                           "间接费",      "利润",        "增值税"};

}  // namespace

void PriceOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits, double* unit,
             double* total) {
  PriceFrom(PriceLineOf(sheet, basis), quantity, digits, unit, total);
}

PriceLine PriceLineOf(const FeeSheet& sheet, FeeBasis basis) {
  PriceLine line;
  line.by = PricedByOf(sheet, basis);
  switch (line.by) {
    case PricedBy::kUnitLine: line.value = CAtof(sheet.EvaluatedValue(sheet.unit_tag())); break;
    case PricedBy::kTotalLine: line.value = CAtof(sheet.EvaluatedValue(sheet.total_tag())); break;
    case PricedBy::kNothing: break;
  }
  return line;
}

void PriceFrom(const PriceLine& line, double quantity, int digits, double* unit, double* total) {
  *unit = 0;
  *total = 0;
  switch (line.by) {
    case PricedBy::kUnitLine:
      *unit = RoundHalfUp(digits, line.value);
      *total = RoundHalfUp(digits, *unit * quantity);
      break;
    case PricedBy::kTotalLine:
      *total = RoundHalfUp(digits, line.value);
      *unit = quantity == 0 ? 0 : RoundHalfUp(digits, *total / quantity);
      break;
    case PricedBy::kNothing:
      break;
  }
}

PricedBy PricedByOf(const FeeSheet& sheet, FeeBasis basis) {
  const bool has_unit = !sheet.unit_tag().empty();
  const bool has_total = !sheet.total_tag().empty();
  if (has_unit && (!has_total || basis != FeeBasis::kTotal)) return PricedBy::kUnitLine;
  return has_total ? PricedBy::kTotalLine : PricedBy::kNothing;
}

SheetOutcome OutcomeOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits) {
  SheetOutcome outcome;
  PriceOf(sheet, basis, quantity, digits, &outcome.unit, &outcome.total);
  const std::vector<std::string>& map = sheet.column_map();
  for (const std::string& entry : map) {
    const std::string name(EntryName(entry));
    // The row key is never a fee: writing it would move the row away from
    // its material lines, fee lines and children.
    if (name == "综合单价" || name == "综合合价" || name == "编号") continue;
    const std::string tag = LookUpValue(map, name);
    const double value = RoundHalfUp(digits, CAtof(sheet.EvaluatedValue(tag)));
    const bool direct_cost = name == "人工费" || name == "材料费" || name == "机械费";
    outcome.columns.emplace_back(direct_cost ? "单价_" + name : name, value);
  }
  outcome.components = ComponentsOf(sheet);
  return outcome;
}

bool ClearsPriceColumns(const SheetOutcome& outcome, bool single_row) {
  return single_row || (outcome.unit == 0 && outcome.total == 0);
}

OutcomeWrites WriteOutcome(Query& items, const SheetOutcome& outcome, bool single_row,
                           const std::unordered_set<std::string>& no_detail) {
  SetFieldNumber(items, "综合单价", -1, outcome.unit);
  SetFieldNumber(items, "综合合价", -1, outcome.total);
  if (ClearsPriceColumns(outcome, single_row)) {
    // Quotas without material lines keep the unit costs the user entered.
    if (no_detail.count(FieldText(items, "编号")) == 0) {
      for (const char* column : kUnitCostColumns) SetFieldNumber(items, column, -1, 0);
    }
    for (const char* column : kClearedColumns) SetFieldNumber(items, column, -1, 0);
  }
  OutcomeWrites writes;
  for (const auto& [column, value] : outcome.columns) {
    SetFieldNumber(items, column, -1, value);
    if (column == "标志" || column == "计算") writes.wrote_flag_or_mark = true;
    if (column == "工程量" || column == "标志" || column == "编码" || column == "名称") {
      writes.wrote_list_column = true;
    }
  }
  return writes;
}

std::unordered_set<std::string> TaggedKeys(const std::string& tags) {
  std::unordered_set<std::string> keys;
  for (size_t open = tags.find('['); open != std::string::npos; open = tags.find('[', open + 1)) {
    const size_t close = tags.find(']', open + 1);
    if (close == std::string::npos) break;
    keys.insert(tags.substr(open + 1, close - open - 1));
  }
  return keys;
}

int64_t InsertComponents(Database& db, const std::string& number,
                         const std::vector<std::string>& components) {
  static const std::string pattern = [] {
    std::string text =
        "insert into 分部分项单价费率费用(主表,冬季,雨季,夜间,高原,风沙,沿海,行车,安全,临时,施工,"
        "工地,综合1,综合2, 养老,失业,医疗,住房,工伤,综合3,基本,主副,职工,补贴,费用,综合4) "
        "values({}";
    for (size_t i = 0; i < std::size(kRecord); ++i) text += ",{}";
    return text + ")";
  }();
  std::vector<std::string> numbers;
  numbers.reserve(components.size() + 1);
  numbers.push_back(number);
  numbers.insert(numbers.end(), components.begin(), components.end());
  return db.ExecNumbers(pattern, numbers);
}

}  // namespace ftcalc
