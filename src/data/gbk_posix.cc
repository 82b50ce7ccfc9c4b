#include "data/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace ftcalc {
namespace {

// Length of the UTF-8 sequence starting with `lead`, or 1 for a stray byte.
size_t Utf8SequenceLength(const char* p, size_t left) {
  unsigned char lead = static_cast<unsigned char>(*p);
  size_t n = 1;
  if ((lead & 0xE0) == 0xC0) n = 2;
  else if ((lead & 0xF0) == 0xE0) n = 3;
  else if ((lead & 0xF8) == 0xF0) n = 4;
  if (n > left) return 1;
  for (size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Converts with iconv; on a sequence that cannot be converted, writes "?" and
// skips `skip(byte)` input bytes.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view in, Skip skip) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  out.reserve(in.size() + 8);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char buffer[256];
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, sizeof buffer - dst_left);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: an unconvertible or truncated sequence.
    out += '?';
    size_t n = skip(src, src_left);
    if (n > src_left) n = src_left;
    src += n;
    src_left -= n;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  return Convert("GBK", "UTF-8", utf8, Utf8SequenceLength);
}

std::string GbkToUtf8(std::string_view gbk) {
  return Convert("UTF-8", "GBK", gbk,
                 [](const char* p, size_t left) -> size_t {
                   return static_cast<unsigned char>(*p) >= 0x81 && left >= 2 ? 2 : 1;
                 });
}

}  // namespace ftcalc
