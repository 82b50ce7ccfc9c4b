// A fee sheet's lines prepared once for all the items that use the sheet.
//
// Working a sheet out as text costs, for every item, a trim, the marker and
// rate substitution of every formula and a search-and-replace of every
// value through every line. For a sheet of the usual shape all of that is
// the same for every item except the five marker values and the row values,
// and both land in places that can be found once: the plan splits each
// formula (trimmed, rate references substituted) into text pieces, marker
// slots and row-reference slots, and an item's sheet is then filled in by
// position. The texts that come out are exactly those of the text form.
//
// A sheet whose shape could make the two differ gets no plan (Compile
// returns nullptr) and is worked out as text: labels that are empty,
// repeated or hold one of "<>=:", a "<" or ">" outside a reference, a
// reference that runs into a marker, or rate brackets that are not simple
// pairs around marker-free text.
#ifndef FTCALC_CALC_FEE_SHEET_PLAN_H_
#define FTCALC_CALC_FEE_SHEET_PLAN_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fee_sheet.h"
#include "data/query.h"

namespace ftcalc {

class FeeSheetPlan {
 public:
  // One piece of a planned formula.
  struct Piece {
    enum class Kind { kText, kMarker, kReference };
    Kind kind;
    std::string text;  // kText: the text; kReference: "<label>" as written
    int index;         // kMarker: the marker; kReference: the line, -1 if none
  };

  struct Line {
    std::string tag;  // "<:label>"
    std::vector<Piece> pieces;
    int references = 0;  // reference pieces, those to missing lines included
  };

  // The plan of `lines` for items read through `item` (whose columns decide
  // the column map), or nullptr when the sheet needs the text form.
  static std::unique_ptr<FeeSheetPlan> Compile(const std::vector<FeeLine>& lines,
                                               const Query& item);

  const std::vector<Line>& lines() const { return lines_; }
  // Lines whose value fills references, per line: the referring lines, one
  // entry per reference piece.
  const std::vector<int>& referrers(size_t line) const { return referrers_[line]; }
  // Markers read by some line, one bit each.
  unsigned markers_used() const { return markers_used_; }
  // The line of `tag`, -1 when the sheet has none.
  int LineOf(std::string_view tag) const;

  const FeeSheetRoles& roles() const { return roles_; }

  // Works out, for sheets of `digits` price decimals, the value of every
  // line that reads neither a marker nor a reference: its text is the same
  // for every item, so its value is too. A standard sheet is settled once
  // and then shared by thousands of rows, which would otherwise each work
  // out the same text again (however long a formula was pasted there).
  void SettleConstantLines(int digits);
  // The value of a constant line as a sheet of `digits` works it out, or
  // nullptr when the line is not constant or the plan was not settled for
  // those digits.
  const std::string* ConstantValue(size_t line, int digits) const;

 private:
  FeeSheetPlan() = default;

  std::vector<Line> lines_;
  std::vector<std::vector<int>> referrers_;
  std::map<std::string, int, std::less<>> line_of_tag_;
  unsigned markers_used_ = 0;
  FeeSheetRoles roles_;
  bool settled_ = false;
  int settled_digits_ = 0;
  std::vector<std::unique_ptr<std::string>> constant_values_;  // per line, null if not constant
};

}  // namespace ftcalc

#endif  // FTCALC_CALC_FEE_SHEET_PLAN_H_
