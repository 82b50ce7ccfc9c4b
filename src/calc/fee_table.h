// The working lists of one fee table while its rows are evaluated: the rows'
// formulas, the values computed so far, and the resolution of the row
// references "<顺号>" through which a row uses the values of other rows.
//
// Nothing here touches the database; the project-fee step loads the rows,
// substitutes their bracketed references and writes the results back.
#ifndef FTCALC_CALC_FEE_TABLE_H_
#define FTCALC_CALC_FEE_TABLE_H_

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace ftcalc {

// One row of a fee table. `name` is the row's reference, "<" + 顺号 + ">".
// A formula is one entry whatever it holds: a line break or an "=" in it
// never splits it.
struct FeeRow {
  std::string name;
  std::string formula;
};

// Row values in the order they were computed. Only the first value computed
// for a name counts: a later one is ignored, and no value ever changes.
class KnownValues {
 public:
  // Adds (name, value) unless `name` has a value already.
  void Add(const std::string& name, const std::string& value);
  bool Has(const std::string& name) const { return names_.count(name) != 0; }
  size_t size() const { return entries_.size(); }
  const std::string& name(size_t i) const { return entries_[i].first; }
  const std::string& value(size_t i) const { return entries_[i].second; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  std::unordered_set<std::string> names_;
};

// A fee formula as the evaluator is handed it: every "+-" read as "-".
std::string FeeFormulaText(std::string formula);
// The value text of a fee formula: its FeeFormulaText evaluated; "0" when
// the evaluation leaves nothing (an empty or rejected formula).
std::string FeeFormulaValue(std::string formula);

// Adds the value of every row whose formula refers to no other row (holds
// no "<"), in row order.
void AddFirstValues(const std::vector<FeeRow>& rows, KnownValues& known);

// Passes of ResolveRowReferences. Each pass resolves at least one more
// level of references, so a chain deeper than this leaves its top row
// unresolved (and 0).
constexpr int kResolvePasses = 50;

// Returns the rows' formulas (index-aligned with `rows`) with the row
// references replaced by known values, as far as they resolve within
// kResolvePasses passes. A pass works on the values known when it starts:
// for each of them in order it replaces the name by the value in every
// formula, then adds the value of every formula that has no "<" left and
// whose name has none yet, and ends early once no formula holds a ">".
// The returned formulas stay unevaluated; a reference that never resolves
// (an unknown label, a cycle) stays in its formula.
std::vector<std::string> ResolveRowReferences(const std::vector<FeeRow>& rows,
                                              KnownValues& known);

}  // namespace ftcalc

#endif  // FTCALC_CALC_FEE_TABLE_H_
