// Prints the engine's GBK conversion of every character of the Basic
// Multilingual Plane, of every one- and two-byte GBK sequence, and of
// malformed UTF-8, one line each. The Linux build (glibc's iconv) and the
// Windows build (code page 936) must print the same table: run.sh compares.
#include <cstdio>
#include <string>

#include "data/gbk.h"

namespace {

std::string Utf8(unsigned cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

void PrintBytes(const char* label, unsigned key, const std::string& bytes) {
  std::printf("%s%04X", label, key);
  for (unsigned char c : bytes) std::printf(" %02X", c);
  std::printf("\n");
}

}  // namespace

int main() {
  for (unsigned cp = 1; cp < 0x10000; ++cp) {
    if (cp < 0xD800 || cp > 0xDFFF) PrintBytes("U+", cp, ftcalc::Utf8ToGbk(Utf8(cp)));
  }
  for (unsigned lead = 0x80; lead < 0x100; ++lead) {
    PrintBytes("G", lead, ftcalc::GbkToUtf8(std::string(1, static_cast<char>(lead))));
    for (unsigned trail = 0x01; trail < 0x100; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      PrintBytes("G", lead << 8 | trail, ftcalc::GbkToUtf8(pair));
    }
  }
  // Overlong, surrogate, beyond U+10FFFF, outside the BMP, truncated, stray.
  const char* malformed[] = {"\xC0\x80",
                             "\xED\xA0\x80",
                             "\xF4\x90\x80\x80",
                             "\xF0\x9F\x98\x80",
                             "\xE4\xB8",
                             "\x80\x80",
                             "a\xFF"
                             "b"};
  unsigned n = 0;
  for (const char* text : malformed) PrintBytes("M", n++, ftcalc::Utf8ToGbk(text));
  return 0;
}
