#include "formula/check_formula.h"

#include <cstring>
#include <string_view>

#include "data/gbk.h"
#include "ui/message_box.h"

namespace ftcalc {
namespace {

bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// memchr-based membership; `set` never contains '\0', and a '\0' in the
// formula is no member of any set.
bool IsOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

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
    if (!IsLetterOrDigit(c) && !IsOneOf(c, "^()*+-/%.&|,")) return kBadCharacter;
  }

  // Each position is judged with the character after it; the last one sees
  // a blank, as if the text had one appended.
  int open = 0;
  int close = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    const char c = f[i];
    const char n = i + 1 < f.size() ? f[i + 1] : ' ';
    if (IsOneOf(c, "*+-/") && IsOneOf(n, "*+-/)%")) return kOperatorFollowed;
    if (c == '.' && !IsDigit(n)) return kPointFollowed;
    if (c == '%' && IsDigit(n)) return kPercentFollowed;
    // The digit that ends the function name LOG10 may take its "(".
    if (IsDigit(c) && n == '(' && !(i >= 4 && f.substr(i - 4, 5) == "LOG10")) {
      return kDigitFollowed;
    }
    if (c == '(') {
      ++open;
      if (IsOneOf(n, "/*)%")) return kOpenFollowed;
    }
    if (c == ')') {
      ++close;
      if (IsLetterOrDigit(n) || n == '(') return kCloseFollowed;
    }
  }

  // Characters at or below the blank were all rejected above, so trimming
  // cannot shorten the text any further.
  if (!f.empty() && IsOneOf(f.back(), "*+-/(.")) return kBadEnd;
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
