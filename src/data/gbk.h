// Conversion between the engine's UTF-8 texts and the 8-bit code page (GBK)
// that the formula rules and the settings file are defined on.
#ifndef FTCALC_DATA_GBK_H_
#define FTCALC_DATA_GBK_H_

#include <string>
#include <string_view>

namespace ftcalc {

// UTF-8 to GBK. A character that GBK cannot encode, and every byte that is
// not valid UTF-8, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not valid GBK becomes "?".
std::string GbkToUtf8(std::string_view gbk);

}  // namespace ftcalc

#endif  // FTCALC_DATA_GBK_H_
