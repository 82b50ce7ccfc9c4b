#include "data/text_util.h"

namespace ftcalc {

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return std::string(text.substr(begin, end - begin));
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  size_t pos = text.find(from);
  if (pos == std::string::npos) return 0;
  std::string out;
  out.reserve(text.size());
  size_t last = 0;
  size_t count = 0;
  while (pos != std::string::npos) {
    out.append(text, last, pos - last);
    out.append(to);
    last = pos + from.size();
    ++count;
    pos = text.find(from, last);
  }
  out.append(text, last, std::string::npos);
  text.swap(out);
  return count;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  size_t start = 0;
  while (true) {
    size_t pos = text.find(separator, start);
    if (pos == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, pos - start));
    start = pos + separator.size();
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string SettingValue(const std::vector<std::string>& lines, std::string_view name,
                         bool* found) {
  for (const std::string& line : lines) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (std::string_view(line).substr(0, eq) == name) {
      if (found) *found = true;
      return line.substr(eq + 1);
    }
  }
  if (found) *found = false;
  return std::string();
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string SqlQuoted(std::string_view text) {
  std::string out(text);
  ReplaceAll(out, "'", "''");
  return out;
}

}  // namespace ftcalc
