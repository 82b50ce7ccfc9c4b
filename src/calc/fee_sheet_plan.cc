#include "calc/fee_sheet_plan.h"

#include <utility>

#include "data/number_text.h"
#include "data/text_util.h"
#include "formula/evaluate_formula.h"
#include "formula/substitute.h"

namespace ftcalc {
namespace {

constexpr size_t npos = std::string::npos;

// Stands for a marker while the rate references are substituted.
constexpr char kMarkerSlot = '\x01';

// Replaces each marker by kMarkerSlot and lists the markers in text order.
// Marker texts start with their only "[", so two occurrences never overlap
// and this finds what replacing the markers one after another finds.
std::string TakeOutMarkers(const std::string& formula, std::vector<int>* markers) {
  std::string out;
  size_t done = 0;
  for (size_t at = formula.find("[系统:"); at != npos; at = formula.find("[系统:", at + 1)) {
    if (at < done) continue;
    for (int marker = 0; marker < kFeeMarkerCount; ++marker) {
      const std::string_view text = FeeMarkerText(marker);
      if (formula.compare(at, text.size(), text) != 0) continue;
      out.append(formula, done, at - done);
      out += kMarkerSlot;
      markers->push_back(marker);
      done = at + text.size();
      break;
    }
  }
  out.append(formula, done, npos);
  return out;
}

// Rate substitution replaces every bracketed reference in one pass when the
// brackets come in simple pairs; with the marker slots outside the pairs,
// it then gives the same text whether the markers are in or out. Without a
// rate reference it changes nothing at all.
bool RatesCommuteWithMarkers(const std::string& text) {
  if (text.find("费率:") == npos) return true;
  bool inside = false;
  for (char c : text) {
    if (c == '[') {
      if (inside) return false;
      inside = true;
    } else if (c == ']') {
      if (!inside) return false;
      inside = false;
    } else if (c == kMarkerSlot && inside) {
      return false;
    }
  }
  return !inside;
}

// Splits a substituted formula into pieces. Every "<" must open a reference
// that closes with ">" before any other "<" or marker, and no ">" may stand
// elsewhere: then the references are fixed by the formula and no filled-in
// value can form a new one.
bool SplitPieces(const std::string& text, const std::vector<int>& markers,
                 std::vector<FeeSheetPlan::Piece>* pieces) {
  using Piece = FeeSheetPlan::Piece;
  std::string pending;
  size_t next_marker = 0;
  auto flush = [&] {
    if (!pending.empty()) pieces->push_back({Piece::Kind::kText, std::move(pending), -1});
    pending.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kMarkerSlot) {
      if (next_marker == markers.size()) return false;
      flush();
      pieces->push_back({Piece::Kind::kMarker, std::string(), markers[next_marker++]});
    } else if (c == '<') {
      const size_t close = text.find_first_of("<>\x01", i + 1);
      if (close == npos || text[close] != '>') return false;
      flush();
      pieces->push_back({Piece::Kind::kReference, text.substr(i, close + 1 - i), -1});
      i = close;
    } else if (c == '>') {
      return false;
    } else {
      pending += c;
    }
  }
  flush();
  return next_marker == markers.size();
}

// A line's formula as pieces: trimmed, markers taken out, rate references
// substituted; false when the text form could differ.
bool PlanFormula(const std::string& formula, std::vector<FeeSheetPlan::Piece>* pieces) {
  const std::string trimmed = Trim(formula);
  if (trimmed.find(kMarkerSlot) != npos) return false;
  std::vector<int> markers;
  std::string text = TakeOutMarkers(trimmed, &markers);
  if (!RatesCommuteWithMarkers(text)) return false;
  SubstituteRates(text, -1);
  return SplitPieces(text, markers, pieces);
}

}  // namespace

std::unique_ptr<FeeSheetPlan> FeeSheetPlan::Compile(const std::vector<FeeLine>& lines,
                                                    const Query& item) {
  std::unique_ptr<FeeSheetPlan> plan(new FeeSheetPlan());
  std::map<std::string, int, std::less<>> line_of_reference;
  plan->lines_.resize(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string label = Trim(lines[i].number);
    if (label.empty() || label.find_first_of("<>=:") != npos) return nullptr;
    plan->lines_[i].tag = "<:" + label + ">";
    if (!plan->line_of_tag_.emplace(plan->lines_[i].tag, static_cast<int>(i)).second) {
      return nullptr;
    }
    line_of_reference.emplace("<" + label + ">", static_cast<int>(i));
  }

  plan->referrers_.resize(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = plan->lines_[i];
    if (!PlanFormula(lines[i].formula, &line.pieces)) return nullptr;
    for (Piece& piece : line.pieces) {
      if (piece.kind == Piece::Kind::kMarker) plan->markers_used_ |= 1u << piece.index;
      if (piece.kind != Piece::Kind::kReference) continue;
      ++line.references;
      auto target = line_of_reference.find(piece.text);
      if (target == line_of_reference.end()) continue;
      piece.index = target->second;
      plan->referrers_[target->second].push_back(static_cast<int>(i));
    }
  }
  plan->roles_ = RolesOf(lines, item);
  return plan;
}

void FeeSheetPlan::SettleConstantLines(int digits) {
  constant_values_.clear();
  constant_values_.resize(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string text;
    bool constant = true;
    for (const Piece& piece : lines_[i].pieces) {
      if (piece.kind != Piece::Kind::kText) {
        constant = false;
        break;
      }
      text += piece.text;
    }
    // As FeeSheet works out a line without references: rounded to the
    // price decimals.
    if (constant) {
      constant_values_[i] =
          std::make_unique<std::string>(RoundedText(digits, EvaluateFormulaNumber(text)));
    }
  }
  settled_ = true;
  settled_digits_ = digits;
}

const std::string* FeeSheetPlan::ConstantValue(size_t line, int digits) const {
  if (!settled_ || digits != settled_digits_ || line >= constant_values_.size()) return nullptr;
  return constant_values_[line].get();
}

int FeeSheetPlan::LineOf(std::string_view tag) const {
  auto found = line_of_tag_.find(tag);
  return found == line_of_tag_.end() ? -1 : found->second;
}

}  // namespace ftcalc
