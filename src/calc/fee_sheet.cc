#include "calc/fee_sheet.h"

#include "calc/fee_sheet_plan.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "data/number_text.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "formula/evaluate_formula.h"
#include "formula/substitute.h"

namespace ftcalc {
namespace {

struct Marker {
  const char* text;
  const char* unit_column;
  const char* total_column;
};

// In the order in which they are replaced.
constexpr Marker kMarkers[] = {
    {"[系统:定额费合计]", "定额基价", "合价_定额基价"},
    {"[系统:直接人工费合计]", "单价_人工费", "合价_人工费"},
    {"[系统:直接材料费合计]", "单价_材料费", "合价_材料费"},
    {"[系统:直接主材费合计]", "主材费", "合价_主材费"},
    {"[系统:直接机械费合计]", "单价_机械费", "合价_机械费"},
};

bool IsUnitName(const std::string& name) { return name == "单价" || name == "综合单价"; }
bool IsTotalName(const std::string& name) { return name == "合价" || name == "综合合价"; }

// A formula's value as the steps read it: evaluated, "0" when rejected.
std::string Evaluated(std::string formula) {
  EvaluateFormula(formula);
  if (Trim(formula).empty()) return "0";
  return formula;
}

// A value as it is stored and substituted: rounded to the price decimals.
std::string RoundedValue(const std::string& formula, int digits) {
  return RoundedText(digits, EvaluateFormulaNumber(formula));
}

void ReplaceInAll(std::vector<std::string>& entries, std::string_view from,
                  std::string_view to) {
  if (from.empty()) return;
  for (std::string& entry : entries) ReplaceAll(entry, from, to);
}

// The texts the system markers stand for on one item, read on first use
// (a sheet names the same few columns in many of its lines).
class MarkerValues {
 public:
  MarkerValues(const Query& item, FeeBasis basis) : item_(&item), basis_(basis) {}
  // All five read beforehand (MarkerTextsOf); no query is read then.
  explicit MarkerValues(FeeMarkerTexts texts) : texts_(std::move(texts)) {
    for (bool& known : known_) known = true;
  }
  MarkerValues(const MarkerValues&) = delete;
  MarkerValues& operator=(const MarkerValues&) = delete;

  const std::string& Of(size_t marker) {
    if (!known_[marker]) {
      const Marker& m = kMarkers[marker];
      const char* column = basis_ == FeeBasis::kTotal ? m.total_column : m.unit_column;
      texts_[marker] = NumberText(CAtof(FieldText(*item_, column)));
      known_[marker] = true;
    }
    return texts_[marker];
  }

 private:
  const Query* item_ = nullptr;
  FeeBasis basis_ = FeeBasis::kUndetermined;
  bool known_[std::size(kMarkers)] = {};
  FeeMarkerTexts texts_;
};

// Replaces the system markers by the item's direct costs. A "系统:" text
// that is none of the markers ends the loop and stays in the formula (which
// the evaluator then rejects).
void ReplaceMarkers(std::string& formula, MarkerValues& values) {
  while (Contains(formula, "系统:")) {
    bool changed = false;
    for (size_t i = 0; i < std::size(kMarkers); ++i) {
      if (!Contains(formula, kMarkers[i].text)) continue;
      changed |= ReplaceAll(formula, kMarkers[i].text, values.Of(i)) > 0;
    }
    if (!changed) break;
  }
}

std::string Substituted(const std::string& formula, MarkerValues& markers) {
  std::string text = Trim(formula);
  ReplaceMarkers(text, markers);
  SubstituteRates(text, -1);
  return text;
}

// A settled value: a finite number, bare or in parentheses. Evaluating and
// rounding it again gives the same text.
bool IsSettledNumber(const std::string& value) {
  std::string_view v(value);
  if (v.size() >= 2 && v.front() == '(' && v.back() == ')') v = v.substr(1, v.size() - 2);
  return !v.empty() && CAtofLength(v) == v.size() && std::isfinite(CAtof(v));
}

}  // namespace

const char* FeeMarkerText(int marker) { return kMarkers[marker].text; }

std::string SubstitutedFeeFormula(const std::string& formula, const Query& item, FeeBasis basis) {
  MarkerValues markers(item, basis);
  return Substituted(formula, markers);
}

std::string_view EntryName(std::string_view entry) {
  size_t equals = entry.find('=');
  return equals == std::string_view::npos ? std::string_view() : entry.substr(0, equals);
}

std::string_view EntryValue(std::string_view entry) {
  size_t equals = entry.find('=');
  return equals == std::string_view::npos ? std::string_view() : entry.substr(equals + 1);
}

std::string LookUpValue(const std::vector<std::string>& entries, std::string_view name) {
  for (const std::string& entry : entries) {
    if (entry.find('=') != std::string::npos && EntryName(entry) == name) {
      return std::string(EntryValue(entry));
    }
  }
  return std::string();
}

FeeBasis BasisOfSheet(const std::vector<FeeLine>& lines) {
  for (const FeeLine& line : lines) {
    const std::string name = Trim(line.name);
    if (IsUnitName(name)) return FeeBasis::kUnit;
    if (IsTotalName(name)) return FeeBasis::kTotal;
  }
  return FeeBasis::kUndetermined;
}

FeeSheetRoles RolesOf(const std::vector<FeeLine>& lines, const Query& item) {
  FeeSheetRoles roles;
  for (const FeeLine& line : lines) {
    const std::string name = Trim(line.name);
    const std::string tag = "<:" + Trim(line.number) + ">";
    if (IsUnitName(name)) roles.unit_tag = tag;
    if (IsTotalName(name)) roles.total_tag = tag;
    if (item.FieldIndex(name) >= 0 || name == "人工费" || name == "材料费" || name == "机械费") {
      roles.column_map.push_back(name + "=" + tag);
    }
  }
  return roles;
}

FeeSheet::FeeSheet(const std::vector<FeeLine>& lines, const Query& item, FeeBasis basis,
                   int digits)
    : FeeSheet(lines, item, MarkerTextsOf(item, basis, (1u << kFeeMarkerCount) - 1), digits) {}

FeeSheet::FeeSheet(const std::vector<FeeLine>& lines, const Query& item, FeeMarkerTexts marker_texts,
                   int digits)
    : digits_(digits), own_roles_(RolesOf(lines, item)), roles_(&own_roles_) {
  MarkerValues markers(std::move(marker_texts));
  values_.reserve(lines.size());
  for (const FeeLine& line : lines) {
    const std::string label = Trim(line.number);
    std::string formula = Substituted(line.formula, markers);
    if (formula.find('<') == std::string::npos) {
      formula = RoundedValue(std::move(formula), digits_);
      known_.push_back("<" + label + ">=" + formula);
    }
    values_.push_back("<:" + label + ">=" + formula);
  }
}

FeeMarkerTexts MarkerTextsOf(const Query& item, FeeBasis basis, unsigned used) {
  MarkerValues markers(item, basis);
  FeeMarkerTexts texts;
  for (int marker = 0; marker < kFeeMarkerCount; ++marker) {
    if (used & (1u << marker)) texts[marker] = markers.Of(marker);
  }
  return texts;
}

FeeSheet::FeeSheet(const FeeSheetPlan& plan, const Query& item, FeeBasis basis, int digits)
    : FeeSheet(plan, MarkerTextsOf(item, basis, plan.markers_used()), digits) {}

FeeSheet::FeeSheet(const FeeSheetPlan& plan, FeeMarkerTexts markers, int digits)
    : digits_(digits), roles_(&plan.roles()), plan_(&plan), marker_texts_(std::move(markers)) {
  const size_t count = plan.lines().size();
  texts_.resize(count);
  has_text_.assign(count, 0);
  filled_.resize(count);
  is_filled_.assign(count, 0);
  settled_.assign(count, 0);
  pending_.resize(count);
  // As in the text form, a line without references is evaluated at once.
  for (size_t i = 0; i < count; ++i) {
    pending_[i] = plan.lines()[i].references;
    if (pending_[i] == 0) {
      const std::string* constant = plan.ConstantValue(i, digits_);
      texts_[i] = constant != nullptr ? *constant : RoundedValue(PlannedText(i), digits_);
      has_text_[i] = 1;
    }
  }
}

void FeeSheet::Resolve() {
  if (plan_ != nullptr) {
    ResolvePlanned();
  } else {
    ResolveText();
  }
}

void FeeSheet::ResolveText() {
  // A negative value goes in with parentheses, so that "<2>-<1>" with <1>
  // at -12.5 reads 100-(-12.5), not 100--12.5.
  for (const std::string& entry : known_) {
    std::string value(EntryValue(entry));
    if (CAtof(value) < 0) value = "(" + value + ")";
    ReplaceInAll(values_, EntryName(entry), value);
  }

  // An entry once evaluated holds a settled number whose reference has been
  // replaced everywhere (values never contain "<"): evaluating it again in
  // a later pass would write the same text and replace nothing, so it is
  // skipped.
  std::vector<bool> settled(values_.size(), false);
  for (int pass = 0; pass < kFeeSheetPasses; ++pass) {
    bool all_resolved = true;
    // Values found in a pass are substituted at once, so a later line of
    // the same pass can already use them.
    for (size_t i = 0; i < values_.size(); ++i) {
      if (settled[i]) continue;
      std::string& entry = values_[i];
      std::string_view formula = EntryValue(entry);
      if (formula.find('<') != std::string_view::npos) {
        all_resolved = false;
        continue;
      }
      std::string value = RoundedValue(std::string(formula), digits_);
      if (CAtof(value) < 0) value = "(" + value + ")";
      const std::string tag(EntryName(entry));
      entry = tag + "=" + value;
      settled[i] = IsSettledNumber(value);
      std::string reference = tag;
      size_t colon = reference.find(':');
      if (colon != std::string::npos) reference.erase(colon, 1);
      ReplaceInAll(values_, reference, value);
    }
    if (all_resolved) break;
  }
}

// The planned form follows the text form step by step. A reference is
// filled the first time its line is evaluated: that is when the text form
// replaces it everywhere, and later evaluations of the line find nothing
// left to replace.
void FeeSheet::ResolvePlanned() {
  const size_t count = texts_.size();
  // The lines evaluated at once fill their references first, in sheet order.
  for (size_t i = 0; i < count; ++i) {
    if (!has_text_[i]) continue;
    std::string value = texts_[i];
    if (CAtof(value) < 0) value = "(" + value + ")";
    filled_[i] = std::move(value);
    is_filled_[i] = 1;
    for (int referrer : plan_->referrers(i)) --pending_[referrer];
  }
  for (int pass = 0; pass < kFeeSheetPasses; ++pass) {
    bool all_resolved = true;
    for (size_t i = 0; i < count; ++i) {
      if (settled_[i]) continue;
      if (pending_[i] > 0) {
        all_resolved = false;
        continue;
      }
      EvaluatePlanned(i);
    }
    if (all_resolved) break;
  }
}

void FeeSheet::EvaluatePlanned(size_t line) {
  std::string value = RoundedValue(has_text_[line] ? texts_[line] : PlannedText(line), digits_);
  if (CAtof(value) < 0) value = "(" + value + ")";
  settled_[line] = IsSettledNumber(value);
  if (!is_filled_[line]) {
    filled_[line] = value;
    is_filled_[line] = 1;
    for (int referrer : plan_->referrers(line)) --pending_[referrer];
  }
  texts_[line] = std::move(value);
  has_text_[line] = 1;
}

std::string FeeSheet::PlannedText(size_t line) const {
  std::string text;
  for (const FeeSheetPlan::Piece& piece : plan_->lines()[line].pieces) {
    switch (piece.kind) {
      case FeeSheetPlan::Piece::Kind::kText:
        text += piece.text;
        break;
      case FeeSheetPlan::Piece::Kind::kMarker:
        text += marker_texts_[piece.index];
        break;
      case FeeSheetPlan::Piece::Kind::kReference:
        text += piece.index >= 0 && is_filled_[piece.index] ? filled_[piece.index] : piece.text;
        break;
    }
  }
  return text;
}

std::string FeeSheet::WorkingFormula(std::string_view tag) const {
  if (plan_ == nullptr) return LookUpValue(values_, tag);
  const int line = plan_->LineOf(tag);
  if (line < 0) return std::string();
  return has_text_[line] ? texts_[line] : PlannedText(line);
}

std::string FeeSheet::EvaluatedValue(std::string_view tag) const {
  return Evaluated(WorkingFormula(tag));
}

}  // namespace ftcalc
