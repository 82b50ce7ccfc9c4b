// Replacement of the bracketed references that carry their own value after
// an "=": rates such as "[费率:管理费=12%]" and actual amounts such as
// "[实际:运费=350]".
#ifndef FTCALC_FORMULA_SUBSTITUTE_H_
#define FTCALC_FORMULA_SUBSTITUTE_H_

#include <string>

namespace ftcalc {

// While `formula` (UTF-8) contains "费率:", replaces every bracketed
// reference in it (whatever its prefix) by its value: the text after the
// first "=" up to a second "=", read as a number ("12%" reads as 0.12) and
// written in the short form, or rounded to `digits` decimals when `digits`
// is not -1. A reference without "=" becomes "0". All occurrences of a
// reference are replaced at once, by exact text.
//
// Stops when a pass changes nothing, so a "费率:" outside a complete
// reference stays in the text.
void SubstituteRates(std::string& formula, int digits);

// The same for "实际:", except that the value text is inserted exactly as
// written (no percent handling, no number form).
void SubstituteActuals(std::string& formula);

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_SUBSTITUTE_H_
