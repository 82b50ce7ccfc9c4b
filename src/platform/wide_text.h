// Windows only: the engine's UTF-8 texts as the wide-character (UTF-16)
// texts of the Windows API, and back, and texts of a code page.
#ifndef FTCALC_PLATFORM_WIDE_TEXT_H_
#define FTCALC_PLATFORM_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace ftcalc {

// A byte that is not valid UTF-8 becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

// Texts of a Windows code page (CP_ACP: the process's ANSI code page).
std::wstring CodePageToWide(unsigned code_page, std::string_view text);
// A character the code page cannot encode becomes "?", never a look-alike;
// `lossy` (if given) tells whether that happened.
std::string WideToCodePage(unsigned code_page, std::wstring_view wide, bool* lossy = nullptr);

}  // namespace ftcalc

#endif  // FTCALC_PLATFORM_WIDE_TEXT_H_
