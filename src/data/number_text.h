// Number rules shared by every step: the engine's one rounding rule, the
// number-to-text forms in which numbers enter statements and formulas, and
// the C-style readers through which every number text is read back.
//
// All functions are pure and never fail; unreadable input reads as 0.
#ifndef FTCALC_DATA_NUMBER_TEXT_H_
#define FTCALC_DATA_NUMBER_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace ftcalc {

// C atof as the engine uses it: leading white space, an optional sign and the
// longest decimal number (digits, point, digits, exponent). No hexadecimal,
// no INF or NAN; 0 when there is no number. Converted with correct rounding.
double CAtof(std::string_view text);

// Length of the number CAtof reads from the start of `text` (white space and
// sign included); 0 when there is none.
size_t CAtofLength(std::string_view text);

// C atol: leading white space, an optional sign and the longest run of
// digits; 0 when there are none. Saturates at the int64 range.
int64_t CAtol(std::string_view text);

// Halves upwards, with a 0.00001 tolerance at one half for n >= 1, computed
// through the fixed-point text detour the rule prescribes. A negative n
// returns x unchanged.
double RoundHalfUp(int n, double x);

// Shortest text of at most 15 significant digits: fixed-point for decimal
// exponents -5..14, otherwise "1E-6", "1.5E20". Zero of either sign is "0".
// Non-finite values are written as printf writes them ("inf", "-nan").
std::string NumberText(double x);

// True when x's shortest text that reads back as x has at most 15
// significant digits. Any 15-digit rendering of such an x (SQLite's own
// "%!.15g" among them) reads back as x itself.
bool ReadsBackFromFifteenDigits(double x);

// NumberText(RoundHalfUp(n, x)).
std::string RoundedText(int n, double x);

// printf("%f", x): all integer digits, a point and six decimals.
std::string SixDecimalText(double x);

// CAtof(SixDecimalText(x)), worked out without the text: the value the
// evaluator reads back from each step it writes.
double SixDecimalValue(double x);

// printf("%.<n>f", x) for a non-negative n (capped where the text would not
// change any more).
std::string FixedText(int n, double x);

}  // namespace ftcalc

#endif  // FTCALC_DATA_NUMBER_TEXT_H_
