#include "engine/ini_file.h"

#include <vector>

#include "data/gbk.h"
#include "data/text_util.h"
#include "platform/os.h"

namespace ftcalc {
namespace {

// Section and key names compare like the platform's INI functions: trimmed,
// ASCII letters without regard to case.
bool SameName(std::string_view a, std::string_view b) {
  return AsciiUpper(Trim(a)) == AsciiUpper(Trim(b));
}

bool IsSectionLine(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = t.substr(1, close - 1);
  return true;
}

bool IsKeyLine(const std::string& line, std::string_view key) {
  size_t eq = line.find('=');
  return eq != std::string::npos && SameName(std::string_view(line).substr(0, eq), key);
}

}  // namespace

void WriteIniText(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value) {
  if (section.empty() || key.empty()) return;
  const std::string gbk_section = Utf8ToGbk(section);
  const std::string gbk_key = Utf8ToGbk(key);
  const std::string entry = gbk_key + "=" + Utf8ToGbk(value);

  std::string bytes;
  ReadFileBytes(path, &bytes);
  std::vector<std::string> lines = SplitLines(bytes);

  // Find the section, then the key inside it (up to the next section).
  size_t section_line = lines.size();
  std::string name;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsSectionLine(lines[i], &name) && SameName(name, gbk_section)) {
      section_line = i;
      break;
    }
  }
  if (section_line == lines.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + gbk_section + "]");
    lines.push_back(entry);
  } else {
    size_t end = section_line + 1;
    while (end < lines.size() && !IsSectionLine(lines[end], &name)) ++end;
    size_t found = end;
    for (size_t i = section_line + 1; i < end; ++i) {
      if (IsKeyLine(lines[i], gbk_key)) {
        found = i;
        break;
      }
    }
    if (found < end) {
      lines[found] = entry;
    } else {
      size_t insert_at = end;
      while (insert_at > section_line + 1 && Trim(lines[insert_at - 1]).empty()) --insert_at;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
    }
  }

  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  ReplaceFileBytes(path, out);
}

std::string ReadIniText(const std::string& path, const std::string& section,
                        const std::string& key) {
  std::string bytes;
  if (!ReadFileBytes(path, &bytes)) return std::string();
  const std::string gbk_section = Utf8ToGbk(section);
  const std::string gbk_key = Utf8ToGbk(key);
  bool inside = false;
  std::string name;
  for (const std::string& line : SplitLines(bytes)) {
    if (IsSectionLine(line, &name)) {
      inside = SameName(name, gbk_section);
    } else if (inside && IsKeyLine(line, gbk_key)) {
      return GbkToUtf8(Trim(line.substr(line.find('=') + 1)));
    }
  }
  return std::string();
}

}  // namespace ftcalc
