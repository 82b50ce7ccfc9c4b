#include "formula/check_formula.h"

#include <string_view>

#include "data/gbk.h"
#include "ui/message_box.h"

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

// Returns the message of the first rule that rejects `f`, or nullptr.
const char* FindRejection(std::string_view f) {
  for (char c : f) {
    if (!Is(c, kLetterOrDigit | kSymbol)) return kBadCharacter;
  }

  // Each position is judged with the character after it; the last one sees
  // a blank, as if the text had one appended.
  int open = 0;
  int close = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    const char c = f[i];
    const char n = i + 1 < f.size() ? f[i + 1] : ' ';
    if (Is(c, kArithmetic) && Is(n, kAfterOperator)) return kOperatorFollowed;
    if (c == '.' && !Is(n, kDigit)) return kPointFollowed;
    if (c == '%' && Is(n, kDigit)) return kPercentFollowed;
    // The digit that ends the function name LOG10 may take its "(".
    if (Is(c, kDigit) && n == '(' && !(i >= 4 && f.substr(i - 4, 5) == "LOG10")) {
      return kDigitFollowed;
    }
    if (c == '(') {
      ++open;
      if (Is(n, kAfterOpen)) return kOpenFollowed;
    }
    if (c == ')') {
      ++close;
      if (Is(n, kLetterOrDigit) || n == '(') return kCloseFollowed;
    }
  }

  // Characters at or below the blank were all rejected above, so trimming
  // cannot shorten the text any further.
  if (!f.empty() && Is(f.back(), kAtEnd)) return kBadEnd;
  if (open != close) return kUnbalanced;
  return nullptr;
}

}  // namespace

bool CheckFormula(const std::string& formula, bool show_messages, std::string* message) {
  const char* rejection = FindRejection(formula);
  if (message != nullptr) {
    if (rejection != nullptr) {
      *message = rejection;
    } else {
      message->clear();
    }
  }
  if (rejection == nullptr) return true;
  if (show_messages) ShowMessageBox("警告", GbkToUtf8(formula) + rejection);
  return false;
}

}  // namespace ftcalc
