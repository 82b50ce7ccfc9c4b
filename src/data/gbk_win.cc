// GBK through Windows' own code page 936, giving the same bytes as the
// POSIX build (gbk_posix.cc, glibc's GBK): every malformed UTF-8 sequence
// and every character without a GBK code gives one "?". Code page 936 also
// maps the Private Use Area (U+E000 to U+E864, and U+F8F5) to GBK's
// user-defined codes, which glibc's GBK leaves out; those characters give
// "?" here too, so that a project calculates alike on both systems.
#include <windows.h>

#include "data/gbk.h"
#include "platform/wide_text.h"

namespace ftcalc {
namespace {

constexpr unsigned kGbkCodePage = 936;

bool IsPrivateUse(long cp) { return cp >= 0xE000 && cp <= 0xF8FF; }

// The code point of the UTF-8 sequence at p (length n, structure already
// checked), or -1 when it is overlong, a surrogate or beyond U+10FFFF.
long DecodeUtf8(const unsigned char* p, size_t n) {
  long cp = n == 2 ? (p[0] & 0x1F) : n == 3 ? (p[0] & 0x0F) : (p[0] & 0x07);
  for (size_t i = 1; i < n; ++i) cp = (cp << 6) | (p[i] & 0x3F);
  static const long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  return cp;
}

// Length of the UTF-8 sequence at p by its lead and continuation bytes, or
// 1 for a byte that starts none.
size_t Utf8SequenceLength(const unsigned char* p, size_t left) {
  size_t n = 1;
  if ((p[0] & 0xE0) == 0xC0)
    n = 2;
  else if ((p[0] & 0xF0) == 0xE0)
    n = 3;
  else if ((p[0] & 0xF8) == 0xF0)
    n = 4;
  if (n > left) return 1;
  for (size_t i = 1; i < n; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 1;
  }
  return n;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::wstring run;  // characters of the BMP waiting for conversion
  auto flush = [&] {
    out += WideToCodePage(kGbkCodePage, run);
    run.clear();
  };
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  size_t left = utf8.size();
  while (left > 0) {
    if (p[0] < 0x80) {
      run += static_cast<wchar_t>(p[0]);
      ++p;
      --left;
      continue;
    }
    const size_t n = Utf8SequenceLength(p, left);
    const long cp = n > 1 ? DecodeUtf8(p, n) : -1;
    if (cp >= 0 && cp <= 0xFFFF && !IsPrivateUse(cp)) {
      run += static_cast<wchar_t>(cp);
    } else {
      flush();
      out += '?';
    }
    p += n;
    left -= n;
  }
  flush();
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  size_t i = 0;
  while (i < gbk.size()) {
    const unsigned char lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const size_t n = lead >= 0x81 && i + 1 < gbk.size() ? 2 : 1;
    wchar_t wide[2];
    const int got = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data() + i,
                                        static_cast<int>(n), wide, 2);
    if (got == 1 && !IsPrivateUse(wide[0])) {
      out += WideToUtf8(std::wstring_view(wide, 1));
    } else {
      out += '?';
    }
    i += n;
  }
  return out;
}

}  // namespace ftcalc
