// The syntax check that every formula passes before it is evaluated.
#ifndef FTCALC_FORMULA_CHECK_FORMULA_H_
#define FTCALC_FORMULA_CHECK_FORMULA_H_

#include <cstddef>
#include <string>

namespace ftcalc {

// The rules of the check, in the order they are tried.
enum class FormulaRule {
  kNone = 0,
  kBadCharacter,      // a character outside letters, digits and ^()*+-/%.&|,
  kOperatorFollowed,  // "*+-/" followed by one of "*+-/)%"
  kPointFollowed,     // "." not followed by a digit
  kPercentFollowed,   // "%" followed by a digit
  kDigitFollowed,     // a digit followed by "(" (LOG10's digit excepted)
  kOpenFollowed,      // "(" followed by one of "/*)%"
  kCloseFollowed,     // ")" followed by a letter, a digit or "("
  kBadEnd,            // the text ends in one of "*+-/(."
  kUnbalanced,        // unequal numbers of "(" and ")"
};

// What the check found: accepted, or the rule that rejected the text, the
// 1-based position it fired at (0 for the whole text), and its message in
// UTF-8 exactly as the warning shows it, beginning with "\r\n".
struct FormulaCheck {
  FormulaRule rule = FormulaRule::kNone;
  size_t position = 0;
  const char* message = "";

  bool ok() const { return rule == FormulaRule::kNone; }
  // The warning text as the user sees it: the checked formula (converted
  // back from GBK) followed by the message.
  std::string WarningText(const std::string& formula) const;
};

// Accepts or rejects a prepared formula: an 8-bit text, already upper-cased
// and stripped of blanks, line breaks and bytes above 159 (see
// PrepareFormula). The text itself is not changed.
//
// Rejected are characters outside letters, digits and "^()*+-/%.&|,", a few
// operator sequences the evaluator cannot handle, a dangling operator, point
// or "(" at the end, and unequal numbers of "(" and ")" (their order is not
// checked). An empty text is accepted.
//
// The check shows nothing: a caller that explains rejections shows
// WarningText in its OK box captioned "警告".
FormulaCheck CheckFormula(const std::string& formula);

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_CHECK_FORMULA_H_
