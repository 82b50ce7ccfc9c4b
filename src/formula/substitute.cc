#include "formula/substitute.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "data/number_text.h"

namespace ftcalc {
namespace {

constexpr size_t npos = std::string::npos;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsBlankAfterTrim(std::string_view s) {
  return std::all_of(s.begin(), s.end(), IsBlankOrControl);
}

// Replaces every occurrence of `from` (non-empty) by `to`, scanning from the
// left and never rescanning inserted text. Returns whether any was found.
bool ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  size_t pos = text.find(from);
  if (pos == npos) return false;
  std::string out;
  out.reserve(text.size());
  size_t done = 0;
  for (; pos != npos; pos = text.find(from, done)) {
    out.append(text, done, pos - done);
    out += to;
    done = pos + from.size();
  }
  out.append(text, done, npos);
  text.swap(out);
  return true;
}

// The text after the first "=" of `content`, up to a second "=" if any.
std::string_view ValueText(std::string_view content, size_t equals) {
  std::string_view value = content.substr(equals + 1);
  return value.substr(0, value.find('='));
}

// One pass over every bracketed reference while `prefix` occurs; `value_of`
// turns a reference's value text into what replaces the reference. Each
// pass that changes the text removes at least one "]" (values hold none),
// so the loop ends.
template <typename ValueOf>
void SubstituteReferences(std::string& formula, std::string_view prefix, ValueOf value_of) {
  std::vector<std::string> pieces;
  std::string reference;
  std::string value;
  while (formula.find(prefix) != npos) {
    // Split at every "]"; the formula changes while the pieces are handled.
    pieces.clear();
    for (size_t from = 0;;) {
      size_t close = formula.find(']', from);
      pieces.emplace_back(formula, from, close == npos ? npos : close - from);
      if (close == npos) break;
      from = close + 1;
    }

    bool changed = false;
    for (const std::string& piece : pieces) {
      if (IsBlankAfterTrim(piece)) continue;
      // The content is the second part of the piece split at "[".
      const size_t open = piece.find('[');
      if (open == npos) continue;
      const size_t next = piece.find('[', open + 1);
      std::string_view content(piece);
      content = content.substr(open + 1, next == npos ? npos : next - open - 1);

      reference.assign("[").append(content).append("]");
      const size_t equals = content.find('=');
      if (equals == npos) {
        value.assign("0");
      } else {
        value = value_of(ValueText(content, equals));
      }
      changed |= ReplaceAll(formula, reference, value);
    }
    if (!changed) return;
  }
}

}  // namespace

void SubstituteRates(std::string& formula, int digits) {
  auto number_form = [digits](double x) {
    return digits == -1 ? NumberText(x) : RoundedText(digits, x);
  };
  SubstituteReferences(formula, "费率:", [&](std::string_view text) {
    std::string value(text);
    if (value.find('%') != npos) {
      value.erase(std::remove(value.begin(), value.end(), '%'), value.end());
      value = number_form(CAtof(value) * 0.01);
    }
    return number_form(CAtof(value));
  });
}

void SubstituteActuals(std::string& formula) {
  SubstituteReferences(formula, "实际:",
                       [](std::string_view text) { return std::string(text); });
}

}  // namespace ftcalc
