// Small text helpers shared by the steps. Texts are UTF-8 byte strings;
// every search is by exact bytes.
#ifndef FTCALC_DATA_TEXT_UTIL_H_
#define FTCALC_DATA_TEXT_UTIL_H_

#include <string>
#include <string_view>
#include <vector>

namespace ftcalc {

// Removes leading and trailing characters up to and including the blank
// (every byte <= 0x20), as the engine's trim does.
std::string Trim(std::string_view text);

bool Contains(std::string_view text, std::string_view part);
bool StartsWith(std::string_view text, std::string_view prefix);

// Replaces every occurrence of `from` (non-empty) by `to`, left to right,
// never rescanning inserted text. Returns the number of replacements.
size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Splits at every occurrence of `separator`; n separators give n+1 pieces.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// Splits a setting text into lines at CR LF, LF or CR. A text ending in a
// line break has no empty last line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The value of the first name=value line named `name` (split at its first
// "="); found is false when no line has that name.
std::string SettingValue(const std::vector<std::string>& lines, std::string_view name,
                         bool* found = nullptr);

// Text pasted between single quotes in a statement: every quote doubled.
std::string SqlQuoted(std::string_view text);

// Upper-cases ASCII letters only.
std::string AsciiUpper(std::string_view text);

}  // namespace ftcalc

#endif  // FTCALC_DATA_TEXT_UTIL_H_
