#include <windows.h>

#include <climits>

#include "platform/wide_text.h"

namespace ftcalc {
namespace {

int Length(size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return CodePageToWide(CP_UTF8, utf8); }

std::string WideToUtf8(std::wstring_view wide) { return WideToCodePage(CP_UTF8, wide); }

std::wstring CodePageToWide(unsigned code_page, std::string_view text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(code_page, 0, text.data(), Length(text.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), Length(text.size()), &wide[0], n);
  return wide;
}

std::string WideToCodePage(unsigned code_page, std::wstring_view wide, bool* lossy) {
  if (lossy) *lossy = false;
  if (wide.empty()) return std::string();
  // UTF-8 takes neither a default character nor the no-best-fit flag.
  const bool utf8 = code_page == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = utf8 ? nullptr : "?";
  BOOL used_fallback = FALSE;
  BOOL* used = utf8 ? nullptr : &used_fallback;
  const int n = WideCharToMultiByte(code_page, flags, wide.data(), Length(wide.size()), nullptr, 0,
                                    fallback, used);
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(code_page, flags, wide.data(), Length(wide.size()), &text[0], n, fallback,
                      used);
  if (lossy) *lossy = used_fallback != FALSE;
  return text;
}

}  // namespace ftcalc
