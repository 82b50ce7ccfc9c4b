// The reduction of a formula text without parentheses to its value, by
// rewriting the text one operation at a time.
//
// Each operation reads its operands from the text with C atof, computes,
// and writes its result back in place of the operands: in the six-decimal
// form of printf "%f" after "*", "/", "+" and "-", in the short form of
// NumberText everywhere else. These written forms are part of the
// arithmetic (1/3*3 is 0.999999), so callers must not shortcut them.
#ifndef FTCALC_FORMULA_REDUCE_H_
#define FTCALC_FORMULA_REDUCE_H_

#include <string>

namespace ftcalc {

// Runs the stages in their fixed order, each to completion:
//   R1 powers "^"; R2 MAX and MIN lists (ending at "#"); R3 named
//   functions; R4 "*" and "/" from the left; R5 all "+" before any "-";
//   R6 "&" and "|" from the left.
// The text should hold no parentheses (they are then plain characters).
// Every stage ends; none reads outside the text.
void ReduceFormula(std::string& text);

// Merges adjacent signs until none are left: the first "+-" becomes "-",
// then the first "-+" becomes "-", then the first "--" becomes "+", over
// and over. Returns whether the text changed.
bool CleanUpSigns(std::string& text);

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_REDUCE_H_
