// What changed between two calculated versions of a project: the items of
// the tree (headings, bill items, quotas) added, removed, or changed in
// 工程量, 综合单价 or 综合合价; the same for the material price list, the
// equipment summary and the fee-table lines; and the change of every
// chapter and of the project's 工程造价 and 单方造价.
//
// Items are matched by 编号 when the row of that 编号 in the other version
// is the same kind of row with the same 编码 or the same 名称 (an edit may
// change one of them). The rest are matched by kind, 编码, 名称 and the
// 编码 and 名称 of every heading above them, in display order. Materials and
// equipment are matched by 编码, 名称 and 单位; fee lines by their table,
// 顺号 and 项目. Values are compared in the form the engine writes every
// number it uses (15 significant digits): a stored sum such as
// 1.8100000000000003 equals 1.81, and no change is listed that would show
// the same number on both sides.
#ifndef FTCALC_TOOLS_PROJECT_DIFF_H_
#define FTCALC_TOOLS_PROJECT_DIFF_H_

#include <optional>
#include <string>
#include <vector>

#include "report_data.h"

namespace ftcalc::cli {

// One value in both versions. `difference` is B - A rounded to the decimals
// the two stored values are written with (so 0.1 to 0.3 differs by exactly
// 0.2); absent when either value is.
struct ValueChange {
  std::string field;  // 工程量, 综合单价, 综合合价, 数量, 基价, 信息价, 价差, 合价, 费用 …
  std::optional<double> a, b;
  std::optional<double> difference;
  int decimals = 2;  // shown with at least this many decimals

  bool changed() const;
};

enum class ChangeKind { kChanged, kAdded, kRemoved };

// The kinds of rows compared; the names are the tables' own.
inline constexpr const char* kItemsTable = "清单";
inline constexpr const char* kMaterialsTable = "材料价格";
inline constexpr const char* kEquipmentTable = "设备汇总";
inline constexpr const char* kFeesTable = "工程取费";

struct DiffEntry {
  ChangeKind kind = ChangeKind::kChanged;
  std::string table;     // one of the k*Table names
  std::string number_a;  // 编号 in A (items; empty when added)
  std::string number_b;  // 编号 in B (items; empty when removed)
  std::string row_kind;  // 标志 of an item
  std::string code, name, unit;
  // B's 编码 and 名称 when they differ from A's (a row matched by 编号).
  std::optional<std::string> code_b, name_b;
  std::string place;           // headings above an item; a line's fee table or category
  // Changed: the values that differ. Added or removed: every value of the
  // row (the missing side absent).
  std::vector<ValueChange> values;
  // The value that says most about an added or removed row (its total).
  std::string main_field;
};

// A chapter (top-level heading) of either version.
struct ChapterChange {
  std::string name;
  ValueChange total;  // 综合合价
};

struct ProjectDiff {
  std::vector<ValueChange> totals;  // 工程造价, 单方造价, 各章合计
  std::vector<ChapterChange> chapters;
  std::vector<DiffEntry> entries;  // changed (B's order), added (B's), removed (A's)
  // Shown when the chapters changed but 工程造价 did not: B's project fees
  // were not worked out again (a partial recalculation stops at the tree).
  bool fees_not_recalculated = false;

  bool equal() const;
  size_t Count(const std::string& table, ChangeKind kind) const;
};

ProjectDiff CompareProjects(const ReportData& a, const ReportData& b);

// How a kind of change is named in every output.
const char* ChangeName(ChangeKind kind);

// A value as shown: MoneyText with the change's decimals; "" when absent.
std::string ValueText(std::optional<double> value, int decimals);
// A difference as shown, with its sign ("+12.50", "-3.00", "0.00").
std::string DifferenceText(std::optional<double> value, int decimals);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_PROJECT_DIFF_H_
