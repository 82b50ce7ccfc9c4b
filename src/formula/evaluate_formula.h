// Evaluation of fee formulas: arithmetic texts such as "(A+B)*5%" after
// their references have been replaced by numbers.
#ifndef FTCALC_FORMULA_EVALUATE_FORMULA_H_
#define FTCALC_FORMULA_EVALUATE_FORMULA_H_

#include <string>
#include <string_view>

#include "formula/check_formula.h"

namespace ftcalc {

// Evaluates `formula` (UTF-8) by rewriting it until no operation is left.
//
// On success returns true and replaces `formula` by the result text: the
// last form the rewriting wrote ("6.000000" for 2*3, "6" for (2*3), "1" for
// 1&2), or the prepared text itself when nothing was left to do. An empty
// formula succeeds and stays empty.
//
// Fails, leaving `formula` empty, when nothing is left after preparation
// or when CheckFormula rejects the prepared text; then *rejection (when
// given) says which rule fired, where, and with what warning text; it is
// accepting when nothing was left to check. Division by zero and functions
// without a finite value give 0 and are no failure. Never throws for bad
// input, and shows nothing.
bool EvaluateFormula(std::string& formula, FormulaCheck* rejection = nullptr);

// atof of the text EvaluateFormula(formula) leaves (0 when it
// fails), without writing that text where it need not be written.
double EvaluateFormulaNumber(const std::string& formula);

// The same by the rewriting stages alone, without the shortcuts that
// EvaluateFormula takes for plain numbers and plain arithmetic (which give
// the same texts); kept callable so that the two can be compared.
bool EvaluateByStages(std::string& formula, FormulaCheck* rejection = nullptr);

// The text that is checked and evaluated: `formula` converted to GBK, with
// ASCII letters upper-cased and every blank, CR, LF and byte of 160 or more
// removed (so unsubstituted Chinese names vanish and their brackets stay).
std::string PrepareFormula(std::string_view formula);

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_EVALUATE_FORMULA_H_
