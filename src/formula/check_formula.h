// The syntax check that every formula passes before it is evaluated.
#ifndef FTCALC_FORMULA_CHECK_FORMULA_H_
#define FTCALC_FORMULA_CHECK_FORMULA_H_

#include <string>

namespace ftcalc {

// Accepts or rejects a prepared formula: an 8-bit text, already upper-cased
// and stripped of blanks, line breaks and bytes above 159 (see
// PrepareFormula). The text itself is not changed.
//
// Rejected are characters outside letters, digits and "^()*+-/%.&|,", a few
// operator sequences the evaluator cannot handle, a dangling operator, point
// or "(" at the end, and unequal numbers of "(" and ")" (their order is not
// checked). An empty text is accepted.
//
// On rejection, when `message` is given, it receives the rejection message in
// UTF-8 exactly as it is shown, beginning with "\r\n"; on acceptance it is
// cleared. When `show_messages` is set, a rejection is also shown in the OK
// box captioned "警告" as the formula text followed by the message.
bool CheckFormula(const std::string& formula, bool show_messages,
                  std::string* message = nullptr);

}  // namespace ftcalc

#endif  // FTCALC_FORMULA_CHECK_FORMULA_H_
