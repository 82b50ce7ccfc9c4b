#include "formula/reduce.h"

#include <cmath>
#include <string_view>

#include "data/number_text.h"
#include "formula/functions.h"

namespace ftcalc {
namespace {

constexpr size_t npos = std::string::npos;

// Characters that end an operand, by stage.
enum Boundary : unsigned {
  kMulDiv = 1,  // "*" "/"
  kAddSub = 2,  // "+" "-", except the sign of an exponent
  kComma = 4,   // ","
  kLogic = 8,   // "&" "|"
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A sign directly after an "E" that directly follows a digit or a point
// belongs to a number in scientific notation ("1E-6", "2.E+5"); it is never
// an operator, so such numbers are read whole by every scan below.
bool IsExponentSign(const std::string& t, size_t i) {
  return i >= 2 && t[i - 1] == 'E' && (IsDigit(t[i - 2]) || t[i - 2] == '.');
}

bool IsBoundary(const std::string& t, size_t i, unsigned set) {
  switch (t[i]) {
    case '*': case '/': return (set & kMulDiv) != 0;
    case '+': case '-': return (set & kAddSub) != 0 && !IsExponentSign(t, i);
    case ',': return (set & kComma) != 0;
    case '&': case '|': return (set & kLogic) != 0;
    default: return false;
  }
}

// Start of the left operand of the operator at `op`: just past the nearest
// boundary to its left, or the start of the text.
size_t LeftOperandStart(const std::string& t, size_t op, unsigned set) {
  for (size_t i = op; i > 0; --i) {
    if (IsBoundary(t, i - 1, set)) return i;
  }
  return 0;
}

// End of an operand text that starts at `from`: one optional "-", then
// everything up to the next boundary or the end of the text.
size_t OperandEnd(const std::string& t, size_t from, unsigned set) {
  size_t i = from;
  if (i < t.size() && t[i] == '-') ++i;
  while (i < t.size() && !IsBoundary(t, i, set)) ++i;
  return i;
}

// C atof from `from` on. atof reads its own extent, which may differ from
// the operand text the stage replaces (atof of "+3" is 3 although "+" ends
// an operand text); both readings are part of the rules.
double ReadNumber(const std::string& t, size_t from) {
  return from < t.size() ? CAtof(std::string_view(t).substr(from)) : 0.0;
}

// Replaces t[start, end) by `value`; returns whether the text changed.
bool ReplaceSpan(std::string& t, size_t start, size_t end, const std::string& value) {
  if (t.compare(start, end - start, value) == 0) return false;
  t.replace(start, end - start, value);
  return true;
}

double FiniteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

// R1: the first "^" each time. The base is read after the nearest
// arithmetic operator to the left, so a base that starts with a function
// name reads as 0; the exponent text runs to the next arithmetic operator
// and so swallows a chained "^" (2^3^2 is 2^3).
void ReducePowers(std::string& t) {
  for (size_t caret; (caret = t.find('^')) != npos;) {
    const size_t start = LeftOperandStart(t, caret, kMulDiv | kAddSub);
    const size_t end = OperandEnd(t, caret + 1, kMulDiv | kAddSub);
    const double value = std::pow(ReadNumber(t, start), ReadNumber(t, caret + 1));
    if (!ReplaceSpan(t, start, end, NumberText(FiniteOrZero(value)))) return;
  }
}

// R2: MAX and MIN written without parentheses, and lists left by a group
// of several pieces. Every MAX is done before any MIN. The list runs from
// after the name to the next "#", or to the end of the text.
void ReduceLists(std::string& t) {
  for (;;) {
    bool is_max = true;
    size_t name = t.find("MAX");
    if (name == npos) {
      is_max = false;
      name = t.find("MIN");
      if (name == npos) return;
    }
    const size_t list = name + 3;
    const size_t hash = t.find('#', list);
    const size_t list_end = hash == npos ? t.size() : hash;
    double result = ReadNumber(t, list);
    for (size_t comma = t.find(',', list); comma < list_end; comma = t.find(',', comma + 1)) {
      const double value = ReadNumber(t, comma + 1);
      if (is_max ? value > result : value < result) result = value;
    }
    const size_t end = hash == npos ? t.size() : hash + 1;
    if (!ReplaceSpan(t, name, end, NumberText(result))) return;
  }
}

// R3: a function takes the number right after its name. Each match
// restarts the scan; only a name that reaches into the rewritten part can
// be new, so the scan resumes that far back instead of at the start.
void ReduceFunctions(std::string& t) {
  size_t pos = 0;
  while (pos < t.size()) {
    const FormulaFunction* f = FunctionAt(t, pos);
    if (f == nullptr) {
      ++pos;
      continue;
    }
    const size_t argument = pos + f->name.size();
    const size_t end = OperandEnd(t, argument, kMulDiv | kAddSub);
    const double value = f->apply(ReadNumber(t, argument));
    // A name always turns into a number, so the text always changes.
    ReplaceSpan(t, pos, end, NumberText(FiniteOrZero(value)));
    pos = pos >= kLongestFunctionName - 1 ? pos - (kLongestFunctionName - 1) : 0;
  }
}

// R4: the left-most "*" or "/" each time; the left operand ends at the
// nearest "+", "-" or "," to its left, so a sign before it stays outside.
void ReduceProducts(std::string& t) {
  for (size_t op; (op = t.find_first_of("*/")) != npos;) {
    const size_t start = LeftOperandStart(t, op, kAddSub | kComma);
    const size_t end = OperandEnd(t, op + 1, kMulDiv | kAddSub | kComma);
    const double left = ReadNumber(t, start);
    const double right = ReadNumber(t, op + 1);
    double value;
    if (t[op] == '*') {
      value = left * right;
    } else {
      value = right == 0 ? 0.0 : left / right;
    }
    bool changed = ReplaceSpan(t, start, end, SixDecimalText(value));
    changed |= CleanUpSigns(t);
    if (!changed) return;
  }
}

// The operator of the next addition or subtraction: the first "+" after the
// first character if there is one, else the first "-" after it.
size_t NextAddSub(const std::string& t) {
  size_t minus = npos;
  for (size_t i = 1; i < t.size(); ++i) {
    if (t[i] != '+' && t[i] != '-') continue;
    if (IsExponentSign(t, i)) continue;
    if (t[i] == '+') return i;
    if (minus == npos) minus = i;
  }
  return minus;
}

// Called when the last step left "-y" right after a comma and its operator
// is the next one again, in a text without adjacent signs and without "+".
// atof then reads the operator as the sign of y, so every further step
// computes -y - y and writes it back in the same place, changing nothing
// else. The value doubles until it prints as -0.000000 (the step after that
// changes nothing, which ends the stage) or overflows to -inf, which atof
// reads as 0, leaving 0.000000. Writes that outcome at once, instead of a
// thousand steps; returns false when the stage ends.
bool SkipRepeatedSteps(std::string& t, size_t op) {
  const size_t end = OperandEnd(t, op + 1, kAddSub | kComma);
  const std::string next = SixDecimalText(ReadNumber(t, op) - ReadNumber(t, op + 1));
  if (next[0] != '-') return true;  // a step like any other follows
  if (next == "-0.000000") {
    ReplaceSpan(t, op, end, next);
    return false;
  }
  ReplaceSpan(t, op, end, "0.000000");
  return true;
}

// R5: all additions before any subtraction. Moving the sign in front of a
// left operand into the operand ("10-3+2": 10+(-3+2)) keeps left-to-right
// meaning.
void ReduceSums(std::string& t) {
  for (size_t op; (op = NextAddSub(t)) != npos;) {
    if (t[op - 1] == 'E') return;
    const size_t start = LeftOperandStart(t, op, kAddSub | kComma);
    double left = ReadNumber(t, start);
    bool changed = false;
    if (start > 0 && t[start - 1] == '-') {
      t[start - 1] = '+';
      left = -left;
      changed = true;
    }
    const size_t end = OperandEnd(t, op + 1, kAddSub | kComma);
    const double right = ReadNumber(t, op + 1);
    const double value = t[op] == '+' ? left + right : left - right;
    changed |= ReplaceSpan(t, start, end, SixDecimalText(value));
    changed |= CleanUpSigns(t);
    if (!changed) return;
    if (NextAddSub(t) == op && t[op] == '-' && t[op - 1] == ',' && !SkipRepeatedSteps(t, op)) {
      return;
    }
  }
}

// R6: the left-most "&" or "|" each time; being left-most, its left operand
// is everything before it.
void ReduceLogic(std::string& t) {
  for (size_t op; (op = t.find_first_of("&|")) != npos;) {
    const size_t end = OperandEnd(t, op + 1, kLogic);
    const bool left = ReadNumber(t, 0) != 0;
    const bool right = ReadNumber(t, op + 1) != 0;
    const bool value = t[op] == '&' ? (left && right) : (left || right);
    t.replace(0, end, value ? "1" : "0");
  }
}

// The first "ab" in the text, as find("ab") gives it. Sign pairs are
// looked for after every step of a stage; a plain loop over the bytes does
// that several times faster than find's memchr and memcmp at every sign of
// a long chain of subtractions.
size_t FindPair(const std::string& t, char a, char b) {
  const char* p = t.data();
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (p[i] == a && p[i + 1] == b) return i;
  }
  return npos;
}

bool IsSign(char c) { return c == '+' || c == '-'; }

// Whether two signs stand next to each other anywhere in the text.
bool HasSignPair(const std::string& t) {
  const char* p = t.data();
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (IsSign(p[i]) && IsSign(p[i + 1])) return true;
  }
  return false;
}

}  // namespace

bool CleanUpSigns(std::string& t) {
  bool changed = false;
  // Most steps leave no pair at all: one pass tells.
  if (!HasSignPair(t)) return false;
  for (;;) {
    size_t plus_minus = FindPair(t, '+', '-');
    size_t minus_plus = FindPair(t, '-', '+');
    size_t minus_minus = FindPair(t, '-', '-');
    if (plus_minus == npos && minus_plus == npos && minus_minus == npos) return changed;
    changed = true;
    if (plus_minus != npos) t.erase(plus_minus, 1);
    minus_plus = FindPair(t, '-', '+');
    if (minus_plus != npos) t.erase(minus_plus + 1, 1);
    minus_minus = FindPair(t, '-', '-');
    if (minus_minus != npos) {
      t.erase(minus_minus, 1);
      t[minus_minus] = '+';
    }
  }
}

void ReduceFormula(std::string& text) {
  ReducePowers(text);
  ReduceLists(text);
  ReduceFunctions(text);
  ReduceProducts(text);
  ReduceSums(text);
  ReduceLogic(text);
}

}  // namespace ftcalc
