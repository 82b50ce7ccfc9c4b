// The working state of one item's unit-price fee sheet: its lines turned
// into formulas, the row references between them resolved, and every line's
// value rounded to the price decimals as soon as it is known.
//
// The state is kept as "name=value" texts, one per fee line, exactly as the
// values are substituted into one another: a reference is replaced by text,
// wherever it stands in an entry. Look-ups by name take the first entry of
// that name (the part before the entry's first "=").
#ifndef FTCALC_CALC_FEE_SHEET_H_
#define FTCALC_CALC_FEE_SHEET_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/query.h"

namespace ftcalc {

// One line of a fee sheet as the database holds it (untrimmed).
struct FeeLine {
  std::string number;   // 顺号: the line's label; "<" + label + ">" refers to it
  std::string name;     // 项目
  std::string formula;  // 公式
};

// Which item columns the system markers read: the unit columns (定额基价,
// 单价_人工费 ...) or the totals (合价_定额基价, 合价_人工费 ...).
enum class FeeBasis { kUndetermined, kUnit, kTotal };

// The basis a sheet decides: unit when its first line named 单价 or 综合单价
// comes before any line named 合价 or 综合合价, total the other way round,
// undetermined when it has neither.
FeeBasis BasisOfSheet(const std::vector<FeeLine>& lines);

// The parts of a sheet the writes read by name: the tags of the last lines
// named 单价/综合单价 and 合价/综合合价 (empty if none), and the lines whose
// name is a column of the item row or 人工费/材料费/机械费, in sheet order, as
// "name=tag" entries.
struct FeeSheetRoles {
  std::string unit_tag;
  std::string total_tag;
  std::vector<std::string> column_map;
};

FeeSheetRoles RolesOf(const std::vector<FeeLine>& lines, const Query& item);

// The system markers, in the order in which they are replaced.
constexpr int kFeeMarkerCount = 5;
const char* FeeMarkerText(int marker);

// The texts the markers in `used` (one bit per marker) stand for on the
// current row of `item` under `basis`; the others are left empty.
using FeeMarkerTexts = std::array<std::string, kFeeMarkerCount>;
FeeMarkerTexts MarkerTextsOf(const Query& item, FeeBasis basis, unsigned used);

// Passes of FeeSheet::Resolve. Each pass resolves at least one more level
// of row references, so a chain deeper than this leaves its top line open.
constexpr int kFeeSheetPasses = 10;

class FeeSheetPlan;

class FeeSheet {
 public:
  // Builds the per-line formulas of `lines` for the current row of `item`
  // (whose columns the system markers read and the column map names), and
  // evaluates at once the lines that refer to no other line.
  FeeSheet(const std::vector<FeeLine>& lines, const Query& item, FeeBasis basis, int digits);
  // The same with all five marker texts read beforehand; `item` is read
  // for its column names only, so this may run on another thread.
  FeeSheet(const std::vector<FeeLine>& lines, const Query& item, FeeMarkerTexts markers,
           int digits);
  // The same sheet from its plan (see fee_sheet_plan.h), which must outlive
  // this object. The item's columns are read here, so the row may be
  // written afterwards.
  FeeSheet(const FeeSheetPlan& plan, const Query& item, FeeBasis basis, int digits);
  // The same with the marker texts read beforehand (MarkerTextsOf with the
  // plan's markers_used()). It reads no query, so sheets of different
  // items may be worked out on different threads.
  FeeSheet(const FeeSheetPlan& plan, FeeMarkerTexts markers, int digits);
  FeeSheet(const FeeSheet&) = delete;
  FeeSheet& operator=(const FeeSheet&) = delete;

  // Substitutes the values known so far, then resolves row references in
  // at most kFeeSheetPasses passes. References that are still open afterwards (to a
  // line the sheet lacks, a cycle, a chain too long) make their formula
  // unevaluable, so such a line counts as 0.
  void Resolve();

  // The value held for `tag` ("<:" + label + ">") through the evaluator;
  // "0" for an unknown tag or a formula the evaluator rejects.
  std::string EvaluatedValue(std::string_view tag) const;

  // The working text held for `tag`: the line's rounded value once it is
  // resolved, else its formula with the row references still open; empty
  // for an unknown tag.
  std::string WorkingFormula(std::string_view tag) const;

  const std::string& unit_tag() const { return roles_->unit_tag; }
  const std::string& total_tag() const { return roles_->total_tag; }
  const std::vector<std::string>& column_map() const { return roles_->column_map; }

 private:
  void ResolveText();
  void ResolvePlanned();
  // A planned line's formula with the markers and the references known so
  // far filled in.
  std::string PlannedText(size_t line) const;
  // Evaluates planned line `line` once more and, the first time, fills its
  // value into the lines that refer to it.
  void EvaluatePlanned(size_t line);

  int digits_;
  FeeSheetRoles own_roles_;
  const FeeSheetRoles* roles_;

  // The text form.
  std::vector<std::string> values_;  // tag=formula, one per line
  std::vector<std::string> known_;   // reference=value of the lines evaluated at once

  // The planned form: per line, its entry text once it has one, the value
  // its references receive, and the references still open in its formula.
  const FeeSheetPlan* plan_ = nullptr;
  FeeMarkerTexts marker_texts_;
  std::vector<std::string> texts_;
  std::vector<char> has_text_;
  std::vector<std::string> filled_;
  std::vector<char> is_filled_;
  std::vector<char> settled_;
  std::vector<int> pending_;
};

// A line's formula as the sheet starts from it: trimmed, the system markers
// replaced by the item's columns under `basis`, the rate references
// substituted. Row references are left as they stand.
std::string SubstitutedFeeFormula(const std::string& formula, const Query& item, FeeBasis basis);

// The name part (before the first "=") and value part of an entry.
std::string_view EntryName(std::string_view entry);
std::string_view EntryValue(std::string_view entry);
// The value of the first entry named `name`; empty when there is none.
std::string LookUpValue(const std::vector<std::string>& entries, std::string_view name);

}  // namespace ftcalc

#endif  // FTCALC_CALC_FEE_SHEET_H_
