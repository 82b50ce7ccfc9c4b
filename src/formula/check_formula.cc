#include "formula/check_formula.h"

#include <string_view>

#include "data/gbk.h"

namespace ftcalc {
namespace {

// Character classes of the check, one bit each.
enum CharClass : unsigned char {
  kLetterOrDigit = 1,
  kSymbol = 2,          // ^()*+-/%.&|,
  kArithmetic = 4,      // *+-/
  kAfterOperator = 8,   // *+-/)%   may not follow an arithmetic operator
  kAfterOpen = 16,      // /*)%     may not follow "("
  kAtEnd = 32,          // *+-/(.   may not end a formula
  kDigit = 64,
};

struct CharClasses {
  unsigned char bits[256] = {};
  constexpr CharClasses() {
    for (int c = 'A'; c <= 'Z'; ++c) bits[c] |= kLetterOrDigit;
    for (int c = 'a'; c <= 'z'; ++c) bits[c] |= kLetterOrDigit;
    for (int c = '0'; c <= '9'; ++c) bits[c] |= kLetterOrDigit | kDigit;
    Mark("^()*+-/%.&|,", kSymbol);
    Mark("*+-/", kArithmetic);
    Mark("*+-/)%", kAfterOperator);
    Mark("/*)%", kAfterOpen);
    Mark("*+-/(.", kAtEnd);
  }
  constexpr void Mark(const char* set, unsigned char bit) {
    for (; *set != '\0'; ++set) bits[static_cast<unsigned char>(*set)] |= bit;
  }
};

constexpr CharClasses kClasses;

bool Is(char c, unsigned char bits) {
  return (kClasses.bits[static_cast<unsigned char>(c)] & bits) != 0;
}

// The rejection messages, in the order of the rules that give them.
constexpr const char* kBadCharacter = "\r\n不是 ^()*+-/%.&| 的非法符号";
constexpr const char* kOperatorFollowed = "\r\n符号'*+-/'后不能跟'*+-/)%'";
constexpr const char* kPointFollowed = "\r\n符号'.'后只能跟数字";
constexpr const char* kPercentFollowed = "\r\n符号'%'后只能接运算符";
constexpr const char* kDigitFollowed = "\r\n数字后不能跟'('";
constexpr const char* kOpenFollowed = "\r\n符号'('后不能跟'*)/%'";
constexpr const char* kCloseFollowed = "\r\n符号')'后不能跟数字.'('";
constexpr const char* kBadEnd = "\r\n末尾不能是'*+-/(.'";
constexpr const char* kUnbalanced = "\r\n括号'('与')'不匹配";

FormulaCheck Rejected(FormulaRule rule, size_t index, const char* message) {
  FormulaCheck check;
  check.rule = rule;
  check.position = index + 1;
  check.message = message;
  return check;
}

// The first rule that rejects `f`, or an accepting result.
FormulaCheck FindRejection(std::string_view f) {
  for (size_t i = 0; i < f.size(); ++i) {
    if (!Is(f[i], kLetterOrDigit | kSymbol)) {
      return Rejected(FormulaRule::kBadCharacter, i, kBadCharacter);
    }
  }

  // Each position is judged with the character after it; the last one sees
  // a blank, as if the text had one appended.
  int open = 0;
  int close = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    const char c = f[i];
    const char n = i + 1 < f.size() ? f[i + 1] : ' ';
    if (Is(c, kArithmetic) && Is(n, kAfterOperator)) {
      return Rejected(FormulaRule::kOperatorFollowed, i, kOperatorFollowed);
    }
    if (c == '.' && !Is(n, kDigit)) return Rejected(FormulaRule::kPointFollowed, i, kPointFollowed);
    if (c == '%' && Is(n, kDigit)) {
      return Rejected(FormulaRule::kPercentFollowed, i, kPercentFollowed);
    }
    // The digit that ends the function name LOG10 may take its "(".
    if (Is(c, kDigit) && n == '(' && !(i >= 4 && f.substr(i - 4, 5) == "LOG10")) {
      return Rejected(FormulaRule::kDigitFollowed, i, kDigitFollowed);
    }
    if (c == '(') {
      ++open;
      if (Is(n, kAfterOpen)) return Rejected(FormulaRule::kOpenFollowed, i, kOpenFollowed);
    }
    if (c == ')') {
      ++close;
      if (Is(n, kLetterOrDigit) || n == '(') {
        return Rejected(FormulaRule::kCloseFollowed, i, kCloseFollowed);
      }
    }
  }

  // Characters at or below the blank were all rejected above, so trimming
  // cannot shorten the text any further.
  if (!f.empty() && Is(f.back(), kAtEnd)) {
    return Rejected(FormulaRule::kBadEnd, f.size() - 1, kBadEnd);
  }
  if (open != close) {
    FormulaCheck check = Rejected(FormulaRule::kUnbalanced, 0, kUnbalanced);
    check.position = 0;
    return check;
  }
  return FormulaCheck();
}

}  // namespace

FormulaCheck CheckFormula(const std::string& formula) { return FindRejection(formula); }

std::string FormulaCheck::WarningText(const std::string& formula) const {
  return GbkToUtf8(formula) + message;
}

}  // namespace ftcalc
