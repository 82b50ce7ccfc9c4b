#include "formula/evaluate_formula.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/gbk.h"
#include "data/number_text.h"
#include "formula/check_formula.h"
#include "formula/reduce.h"

namespace ftcalc {
namespace {

constexpr size_t npos = std::string::npos;

bool IsAscii(const std::string& t) {
  return std::all_of(t.begin(), t.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Upper-cases ASCII letters and drops blanks, CR, LF and bytes of 160 or
// more, in place.
void FilterAndUpcase(std::string& t) {
  size_t out = 0;
  for (char c : t) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u == ' ' || u == '\r' || u == '\n' || u >= 160) continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    t[out++] = c;
  }
  t.resize(out);
}

// ASCII is its own GBK form, so the usual formula needs no conversion and
// is prepared without allocating.
void PrepareInPlace(std::string& t) {
  if (!IsAscii(t)) t = Utf8ToGbk(t);
  FilterAndUpcase(t);
}

// "%" becomes "/100" and "PI" becomes "3.14159", as text: 2PI is the number
// 23.14159. Neither replacement can form a new "%" or "PI", so one pass from
// the left does what replacing the first occurrence until none is left does.
void ExpandConstants(std::string& t) {
  if (t.find('%') == npos && t.find("PI") == npos) return;
  std::string out;
  out.reserve(t.size() + 16);
  for (char c : t) {
    if (c == '%') {
      out += "/100";
    } else {
      out += c;
    }
  }
  for (size_t pi = out.find("PI"); pi != npos; pi = out.find("PI", pi + 7)) {
    out.replace(pi, 2, "3.14159");
  }
  t.swap(out);
}

// Replaces the innermost groups one by one, the right-most "(" first, until
// no "(" is left. A group ends at the first ")" after its "(", or at the end
// of the text when there is none. Its comma-separated pieces are reduced
// and written back in the short form, joined by "," with a "#" after a list
// of two or more. MAX or MIN right before the "(" takes the group's list at
// once. Every round removes one "(", so the loop ends.
void ReduceGroups(std::string& t) {
  std::string piece;
  std::string joined;
  for (size_t open; (open = t.rfind('(')) != npos;) {
    const size_t close = t.find(')', open + 1);
    const size_t inner_end = close == npos ? t.size() : close;
    const size_t group_end = close == npos ? t.size() : close + 1;

    int extreme = 0;  // +1 MAX, -1 MIN, 0 a plain group
    if (open >= 3 && t.compare(open - 3, 3, "MAX") == 0) extreme = 1;
    if (open >= 3 && t.compare(open - 3, 3, "MIN") == 0) extreme = -1;

    joined.clear();
    double best = 0;
    size_t pieces = 0;
    for (size_t from = open + 1;;) {
      size_t comma = t.find(',', from);
      if (comma > inner_end) comma = inner_end;
      piece.assign(t, from, comma - from);
      ReduceFormula(piece);
      const double value = CAtof(piece);
      if (extreme != 0) {
        if (pieces == 0 || (extreme > 0 ? value > best : value < best)) best = value;
      } else {
        if (pieces > 0) joined += ',';
        joined += NumberText(value);
      }
      ++pieces;
      if (comma == inner_end) break;
      from = comma + 1;
    }

    if (extreme != 0) {
      t.replace(open - 3, group_end - (open - 3), NumberText(best));
    } else {
      if (pieces >= 2) joined += '#';
      t.replace(open, group_end - open, joined);
    }
    // A negative value after a sign: 100-(-5) must read as 100+5.
    CleanUpSigns(t);
  }
}

}  // namespace

std::string PrepareFormula(std::string_view formula) {
  std::string text(formula);
  PrepareInPlace(text);
  return text;
}

// Digits with at most one point between digits, after an optional minus:
// such a text passes the check and no stage changes it, so it is its own
// result. (Steps evaluate many values that are already plain numbers.)
bool IsPlainDecimal(const std::string& t) {
  size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
  const size_t first_digit = i;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
  if (i == first_digit) return false;
  if (i < t.size() && t[i] == '.') {
    const size_t point = i++;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == point + 1) return false;
  }
  return i == t.size();
}

namespace {

// Plain arithmetic: unsigned decimals ("12", "0.5"), "+", "*", "/" and
// parentheses, nothing else. Such a text passes the check and never holds
// a sign, so the stages do no more than this: each group, innermost first,
// becomes the short form of its value; within a group and then in the
// text, the products are worked out from the left, then the sums, each
// result written in six decimals and read back. A value whose form the
// stages would go on to read differently (an exponent, an infinity) makes
// the reader give up, and the stages take the text. So does a text whose
// groups nest deeper than kMaxNesting: the reader descends one call per
// group, and a host's thread may have no more than a megabyte of stack; the
// stages work the groups out in place, without descending.
class PlainArithmetic {
 public:
  explicit PlainArithmetic(const std::string& text) : t_(text) {}

  // What atof reads from the result text the stages leave, or false when
  // the text is not plain arithmetic throughout.
  bool Evaluate(double* result) {
    Operand value;
    if (!Sum(&value) || pos_ != t_.size()) return false;
    *result = value.read;
    return true;
  }

  // The result text the stages leave, or false as above.
  bool Evaluate(std::string* result) {
    Operand value;
    if (!Sum(&value) || pos_ != t_.size()) return false;
    switch (value.kind) {
      case Kind::kNumber: *result = t_.substr(value.start, value.end - value.start); break;
      case Kind::kGroup: *result = std::move(value.text); break;
      case Kind::kStep: *result = SixDecimalText(value.raw); break;
    }
    return true;
  }

 private:
  // A number, a group or a worked-out step: `read` is what atof reads from
  // its text. A step's text is SixDecimalText(raw) (written only for the
  // result), a group's is `text`; a number stands in the formula at
  // [start, end).
  enum class Kind { kNumber, kGroup, kStep };
  struct Operand {
    double read = 0;
    Kind kind = Kind::kNumber;
    double raw = 0;
    std::string text;
    size_t start = 0;
    size_t end = 0;
  };

  bool IsDigitAt(size_t i) const { return i < t_.size() && t_[i] >= '0' && t_[i] <= '9'; }

  // The step's value written in six decimals and read back.
  static bool Step(double value, Operand* into) {
    if (!std::isfinite(value)) return false;
    into->raw = value;
    into->read = SixDecimalValue(value);
    into->kind = Kind::kStep;
    return true;
  }

  bool Number(Operand* out) {
    const size_t start = pos_;
    while (IsDigitAt(pos_)) ++pos_;
    if (pos_ == start) return false;
    if (pos_ < t_.size() && t_[pos_] == '.') {
      ++pos_;
      if (!IsDigitAt(pos_)) return false;
      while (IsDigitAt(pos_)) ++pos_;
    }
    out->start = start;
    out->end = pos_;
    out->kind = Kind::kNumber;
    out->read = CAtof(std::string_view(t_).substr(start, pos_ - start));
    return true;
  }

  bool Factor(Operand* out) {
    if (pos_ < t_.size() && t_[pos_] == '(') {
      if (++nesting_ > kMaxNesting) return false;
      ++pos_;
      Operand inner;
      if (!Sum(&inner) || pos_ >= t_.size() || t_[pos_] != ')') return false;
      ++pos_;
      --nesting_;
      // The group becomes the short form of the value read from its result.
      out->text = NumberText(inner.read);
      if (out->text.find_first_not_of("0123456789.") != std::string::npos) return false;
      out->read = CAtof(out->text);
      out->kind = Kind::kGroup;
      return true;
    }
    return Number(out);
  }

  bool Product(Operand* out) {
    if (!Factor(out)) return false;
    while (pos_ < t_.size() && (t_[pos_] == '*' || t_[pos_] == '/')) {
      const char op = t_[pos_++];
      Operand right;
      if (!Factor(&right)) return false;
      const double value =
          op == '*' ? out->read * right.read : (right.read == 0 ? 0.0 : out->read / right.read);
      if (!Step(value, out)) return false;
    }
    return true;
  }

  bool Sum(Operand* out) {
    if (!Product(out)) return false;
    while (pos_ < t_.size() && t_[pos_] == '+') {
      ++pos_;
      Operand right;
      if (!Product(&right)) return false;
      if (!Step(out->read + right.read, out)) return false;
    }
    return true;
  }

  static constexpr int kMaxNesting = 200;

  const std::string& t_;
  size_t pos_ = 0;
  int nesting_ = 0;
};

}  // namespace

bool EvaluateFormula(std::string& formula, FormulaCheck* rejection) {
  if (rejection != nullptr) *rejection = FormulaCheck();
  if (formula.empty() || IsPlainDecimal(formula)) return true;
  std::string result;
  if (PlainArithmetic(formula).Evaluate(&result)) {
    formula.swap(result);
    return true;
  }
  return EvaluateByStages(formula, rejection);
}

double EvaluateFormulaNumber(const std::string& formula) {
  if (IsPlainDecimal(formula)) return CAtof(formula);
  double value = 0;
  if (PlainArithmetic(formula).Evaluate(&value)) return value;
  std::string text = formula;
  EvaluateByStages(text);
  return CAtof(text);
}

bool EvaluateByStages(std::string& formula, FormulaCheck* rejection) {
  if (rejection != nullptr) *rejection = FormulaCheck();
  if (formula.empty()) return true;
  PrepareInPlace(formula);
  if (formula.empty()) {
    formula.clear();
    return false;
  }
  const FormulaCheck check = CheckFormula(formula);
  if (!check.ok()) {
    if (rejection != nullptr) *rejection = check;
    formula.clear();
    return false;
  }
  ExpandConstants(formula);
  ReduceGroups(formula);
  ReduceFormula(formula);
  return true;
}

}  // namespace ftcalc
