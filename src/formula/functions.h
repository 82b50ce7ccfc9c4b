// The named functions of the formula language, in the order in which the
// evaluator tries them at each position.
#ifndef FTCALC_FORMULA_FUNCTIONS_H_
#define FTCALC_FORMULA_FUNCTIONS_H_

#include <cstddef>
#include <string_view>

namespace ftcalc {

struct FormulaFunction {
  std::string_view name;            // upper case, as written in a formula
  double (*apply)(double argument);  // may return a non-finite value
};

// The function whose name stands at `pos` of `text`, or nullptr. Names are
// tried in table order (SIN ... DTOR), so at one position LOG10 wins over
// LOG and SQRT over SQR.
const FormulaFunction* FunctionAt(std::string_view text, size_t pos);

// Length of the longest function name; a match found at a position can only
// reach this far back.
constexpr size_t kLongestFunctionName = 5;

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_FUNCTIONS_H_
