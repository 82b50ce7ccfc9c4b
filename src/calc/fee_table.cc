#include "calc/fee_table.h"

#include <utility>

#include "data/text_util.h"
#include "formula/evaluate_formula.h"

namespace ftcalc {

void KnownValues::Add(const std::string& name, const std::string& value) {
  if (!names_.insert(name).second) return;
  entries_.emplace_back(name, value);
}

std::string FeeFormulaText(std::string formula) {
  ReplaceAll(formula, "+-", "-");
  return formula;
}

std::string FeeFormulaValue(std::string formula) {
  formula = FeeFormulaText(std::move(formula));
  EvaluateFormula(formula);
  if (Trim(formula).empty()) return "0";
  return formula;
}

void AddFirstValues(const std::vector<FeeRow>& rows, KnownValues& known) {
  for (const FeeRow& row : rows) {
    if (Contains(row.formula, "<")) continue;
    if (known.Has(row.name)) continue;  // only the first value counts
    known.Add(row.name, FeeFormulaValue(row.formula));
  }
}

// The passes are done as described in the header, with work skipped only
// where it cannot change anything:
//  - a formula without "<" cannot contain a name (every name is "<...>"),
//    so it is not searched;
//  - a formula is evaluated only while its name has no value, since the
//    evaluation has no other effect (once its name has a value the formula
//    is "settled" and never evaluated again);
//  - a pass that replaces nothing and adds no value leaves the next pass
//    the same values and formulas, so every later pass would change
//    nothing either, and the passes stop there.
std::vector<std::string> ResolveRowReferences(const std::vector<FeeRow>& rows,
                                              KnownValues& known) {
  const size_t count = rows.size();
  std::vector<std::string> resolved(count);
  std::vector<char> has_open(count);   // holds "<"
  std::vector<char> has_close(count);  // holds ">"
  std::vector<char> settled(count, 0);
  size_t with_close = 0;
  for (size_t i = 0; i < count; ++i) {
    resolved[i] = rows[i].formula;
    has_open[i] = Contains(resolved[i], "<");
    has_close[i] = Contains(resolved[i], ">");
    if (has_close[i]) ++with_close;
  }

  for (int pass = 0; pass < kResolvePasses; ++pass) {
    const size_t snapshot = known.size();
    bool changed = false;
    for (size_t k = 0; k < snapshot; ++k) {
      // Copies: Add below may move the entries.
      const std::string name = known.name(k);
      const std::string value = known.value(k);
      const bool name_has_open = Contains(name, "<");
      for (size_t i = 0; i < count; ++i) {
        if (name_has_open && !has_open[i]) continue;
        if (ReplaceAll(resolved[i], name, value) == 0) continue;
        changed = true;
        has_open[i] = Contains(resolved[i], "<");
        const bool close = Contains(resolved[i], ">");
        if (close != static_cast<bool>(has_close[i])) {
          if (close) ++with_close; else --with_close;
          has_close[i] = close;
        }
      }
      for (size_t i = 0; i < count; ++i) {
        if (settled[i] || has_open[i]) continue;
        settled[i] = 1;
        if (known.Has(rows[i].name)) continue;
        known.Add(rows[i].name, FeeFormulaValue(resolved[i]));
        changed = true;
      }
      if (with_close == 0) break;
    }
    if (!changed) break;
  }
  return resolved;
}

}  // namespace ftcalc
