#include "data/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace ftcalc {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 10^n is exact in a double up to 10^22, which pow gives as well.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// x as m / 10^k with the fewest decimals k <= 6 and |m| < 10^15, when that
// decimal reads back as x (m and 10^k are exact, so the division is the
// reading). No other decimal of at most 15 significant digits lies within
// half a unit of x's last place, so this is both the shortest text that
// reads back as x and x rounded to 15 significant digits. False otherwise.
bool AsShortDecimal(double x, int64_t* mantissa, int* decimals) {
  if (!(std::fabs(x) < 1e15)) return false;
  for (int k = 0; k <= 6; ++k) {
    const double m = std::nearbyint(x * kPowersOfTen[k]);
    if (!(std::fabs(m) < 1e15)) return false;
    if (m / kPowersOfTen[k] == x) {
      *mantissa = static_cast<int64_t>(m);
      *decimals = k;
      return true;
    }
  }
  return false;
}

// Scans the number of CAtof; returns its length and whether one was found.
size_t ScanNumber(std::string_view s, size_t* start_of_number) {
  size_t i = 0;
  while (i < s.size() && IsCSpace(s[i])) ++i;
  *start_of_number = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
  if (i < s.size() && s[i] == '.') {
    size_t j = i + 1;
    size_t frac = 0;
    while (j < s.size() && IsDigit(s[j])) { ++j; ++frac; }
    if (digits + frac > 0) { i = j; digits += frac; }
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t exp_digits = 0;
    while (j < s.size() && IsDigit(s[j])) { ++j; ++exp_digits; }
    if (exp_digits > 0) i = j;
  }
  return i;
}

}  // namespace

size_t CAtofLength(std::string_view text) {
  size_t start = 0;
  return ScanNumber(text, &start);
}

double CAtof(std::string_view text) {
  // One pass reads what ScanNumber finds. Without an exponent and with at
  // most 15 significant digits the number is m / 10^d with both exact
  // doubles, and the division rounds correctly: the double strtod gives.
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && IsCSpace(*p)) ++p;
  const char* const start = p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  uint64_t mantissa = 0;
  int significant = 0;
  auto take = [&](char c) {
    if (mantissa != 0 || c != '0') ++significant;
    if (significant <= 15) mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
  };
  size_t digits = 0;
  for (; p < end && IsDigit(*p); ++p, ++digits) take(*p);
  size_t decimals = 0;
  if (p < end && *p == '.') {
    const char* q = p + 1;
    for (; q < end && IsDigit(*q); ++q, ++decimals) take(*q);
    if (digits + decimals > 0) p = q;
  }
  if (digits + decimals == 0) return 0.0;
  bool exponent = false;
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < end && (*q == '+' || *q == '-')) ++q;
    const char* const exponent_digits = q;
    while (q < end && IsDigit(*q)) ++q;
    if (q > exponent_digits) {
      exponent = true;
      p = q;
    }
  }
  if (!exponent && significant <= 15 && decimals <= 22) {
    const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return negative ? -magnitude : magnitude;
  }
  const char* first = start;
  const char* const last = p;
  if (*first == '+') ++first;
  // from_chars rounds correctly like strtod and is much faster; out of the
  // double range strtod decides (infinity, or the denormal / zero).
  double value = 0;
  auto result = std::from_chars(first, last, value);
  if (result.ec == std::errc() && result.ptr == last) return value;
  const std::string number(start, last);
  return std::strtod(number.c_str(), nullptr);
}

int64_t CAtol(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsCSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  // Accumulate as a negative number so that INT64_MIN is representable.
  int64_t value = 0;
  bool saturated = false;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    int digit = s[i] - '0';
    if (value < (std::numeric_limits<int64_t>::min() + digit) / 10) {
      saturated = true;
      continue;
    }
    value = value * 10 - digit;
  }
  if (saturated) {
    return negative ? std::numeric_limits<int64_t>::min()
                    : std::numeric_limits<int64_t>::max();
  }
  if (negative) return value;
  return value == std::numeric_limits<int64_t>::min()
             ? std::numeric_limits<int64_t>::max()
             : -value;
}

std::string FixedText(int n, double x) {
  if (n < 0) n = 0;
  // Beyond this precision a double's fixed-point text only gains zeros; the
  // cap keeps an absurd digit count from allocating gigabytes.
  if (n > 1100) n = 1100;
  if (std::isfinite(x) && n <= 40 && std::fabs(x) < 1e30) {
    // Same correctly rounded digits as printf, without its cost.
    char buffer[96];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, n);
    if (result.ec == std::errc()) return std::string(buffer, result.ptr);
  }
  int size = std::snprintf(nullptr, 0, "%.*f", n, x);
  std::string out(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(&out[0], out.size(), "%.*f", n, x);
  out.resize(static_cast<size_t>(size));
  return out;
}

std::string SixDecimalText(double x) { return FixedText(6, x); }

double SixDecimalValue(double x) {
  // Below 2^31 the product with 10^6 stays under 2^51, so it keeps at least
  // two bits after the point.
  if (!(std::fabs(x) < 2147483648.0)) return CAtof(SixDecimalText(x));
  if (std::signbit(x)) return -SixDecimalValue(-x);
  // The text is x * 10^6 rounded to an integer n, half to even (printf's
  // rounding of the exact binary value), then divided by 10^6; atof reads
  // that decimal as the double nearest to n / 10^6, which is what the
  // division gives. x * 10^6 is exactly p + e.
  const double p = x * 1e6;
  const double e = std::fma(x, 1e6, -p);
  const double k = std::floor(p);
  const double r = p - k;  // exact; a multiple of p's last bit, which e is under half of
  double n = k;
  if (r > 0.5 || (r == 0.5 && (e > 0 || (e == 0 && std::fmod(k, 2.0) != 0)))) n = k + 1;
  return n / 1e6;
}

namespace {

// 1 when the n-decimal text of t (printf "%.nf") reads as 0.5 or more,
// else 0. That text is t correctly rounded to n decimals, so it reaches 0.5
// exactly when t lies at or above 0.5 - 0.5/10^n (ties decided by the
// text). Far from that threshold the comparison decides; near it, and for
// anything unusual, the text itself does.
double RoundsToHalfOrMore(int n, double t, double scale) {
  if (std::isfinite(t) && n <= 15) {
    const double threshold = 0.5 - 0.5 / scale;
    if (t > threshold + 1e-12) return 1.0;
    if (t < threshold - 1e-12) return 0.0;
  }
  return CAtof(FixedText(n, t)) >= 0.5 ? 1.0 : 0.0;
}

}  // namespace

double RoundHalfUp(int n, double x) {
  if (n < 0) return x;
  if (n == 0) {
    double f = std::floor(x);
    return (x - f >= 0.5) ? f + 1 : f;
  }
  const double scale = n <= 22 ? kPowersOfTen[n] : std::pow(10.0, n);
  const double s = x * scale;
  const double f = std::floor(s);
  const double r = s - f;
  double t;
  if (std::fabs(r - 0.5) <= 0.00001) {
    t = 0.5;
  } else {
    t = r + 0.5 / scale - 1 / scale;
  }
  return (f + RoundsToHalfOrMore(n, t, scale)) / scale;
}

std::string NumberText(double x) {
  if (std::isnan(x) || std::isinf(x)) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%g", x);
    return buf;
  }
  if (x == 0) return "0";
  int64_t mantissa;
  int decimals;
  if (AsShortDecimal(x, &mantissa, &decimals)) {
    // Fixed-point unless it starts beyond the fifth decimal.
    char digits[24];
    const uint64_t magnitude =
        mantissa < 0 ? 0 - static_cast<uint64_t>(mantissa) : static_cast<uint64_t>(mantissa);
    const size_t count = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    const size_t places = static_cast<size_t>(decimals);
    if (places <= count + 4) {
      std::string out = mantissa < 0 ? "-" : "";
      if (places == 0) return out.append(digits, count);
      if (count <= places) {
        out += "0.";
        out.append(places - count, '0');
        return out.append(digits, count);
      }
      out.append(digits, count - places);
      out += '.';
      return out.append(digits + count - places, places);
    }
  }
  // Round to 15 significant digits first; the exponent of the rounded value
  // decides the form. The shortest text that reads back as x is that
  // rounding whenever it has at most 15 digits (no other 15-digit decimal
  // lies as close to x), which is the usual case and much cheaper to get.
  char buf[64];
  auto converted = std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific);
  char* e_mark = std::find(buf, converted.ptr, 'e');
  const bool negative = buf[0] == '-';
  size_t significant = 0;
  for (char* p = buf + (negative ? 1 : 0); p < e_mark; ++p) significant += IsDigit(*p);
  if (significant > 15) {
    converted = std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific, 14);
    e_mark = std::find(buf, converted.ptr, 'e');
  }
  *converted.ptr = '\0';
  const int exponent = std::atoi(e_mark + 1);
  std::string digits;
  for (char* p = buf + (negative ? 1 : 0); p < e_mark; ++p) {
    if (IsDigit(*p)) digits += *p;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent <= 14) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      size_t int_len = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= int_len) {
        out += digits;
        out.append(int_len - digits.size(), '0');
      } else {
        out += digits.substr(0, int_len);
        out += '.';
        out += digits.substr(int_len);
      }
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

std::string RoundedText(int n, double x) { return NumberText(RoundHalfUp(n, x)); }

bool ReadsBackFromFifteenDigits(double x) {
  if (!std::isfinite(x)) return false;
  int64_t mantissa;
  int decimals;
  if (AsShortDecimal(x, &mantissa, &decimals)) return true;
  char buf[64];
  const auto converted = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  size_t significant = 0;
  for (const char* p = buf; p < converted.ptr && *p != 'e'; ++p) significant += IsDigit(*p);
  return significant <= 15;
}

}  // namespace ftcalc
