// The number rules decide the last digit of every amount; each expectation
// here is worked out from the rules by hand.
#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace ftcalc {
namespace {

TEST(RoundHalfUpTest, HalvesGoUpTowardsPlusInfinity) {
  EXPECT_EQ(RoundHalfUp(0, 2.5), 3.0);
  EXPECT_EQ(RoundHalfUp(0, -2.5), -2.0);
  EXPECT_EQ(RoundHalfUp(0, -2.6), -3.0);
  EXPECT_EQ(RoundHalfUp(2, 10.125), 10.13);
}

TEST(RoundHalfUpTest, ToleranceAtOneHalfOnlyWithDecimals) {
  // 1.005 is stored as 1.00499999999999989...: scaled remainder 0.4999999...
  EXPECT_EQ(RoundHalfUp(2, 1.005), 1.01);
  EXPECT_EQ(RoundHalfUp(2, 1.234999995), 1.24);
  // No tolerance at 0 decimals.
  EXPECT_EQ(RoundHalfUp(0, 2.4999999), 2.0);
  // Remainder 0.498 lies outside the tolerance.
  EXPECT_EQ(RoundHalfUp(2, 1.23498), 1.23);
}

TEST(RoundHalfUpTest, ResultIsTheNearestDoubleOfTheDecimal) {
  // (f + e) / 10^n, not 10^-n * (f + e): 3 * 0.1 would be 0.30000000000000004.
  EXPECT_EQ(RoundHalfUp(1, 0.25), 0.3);
  EXPECT_EQ(RoundHalfUp(2, 9.0125), 9.01);
  EXPECT_EQ(RoundHalfUp(2, 757.04), 757.04);
}

TEST(RoundHalfUpTest, NegativeDigitsLeaveTheValue) {
  EXPECT_EQ(RoundHalfUp(-1, 12.3456), 12.3456);
}

TEST(RoundHalfUpTest, AbsurdDigitCountsDoNotBlowUp) {
  EXPECT_EQ(RoundHalfUp(12, 1.5), 1.5);
  // A digit count read from a malformed parameter must neither allocate
  // gigabytes nor crash; its value is meaningless.
  double huge = RoundHalfUp(2147483647, 1.5);
  (void)huge;
}

TEST(NumberTextTest, ShortestFormWithFifteenDigits) {
  EXPECT_EQ(NumberText(100.0), "100");
  EXPECT_EQ(NumberText(12), "12");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberText(-2.5), "-2.5");
  EXPECT_EQ(NumberText(180.25), "180.25");
  EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
}

TEST(NumberTextTest, ZeroOfEitherSign) {
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(NumberTextTest, ScientificOutsideTheFixedRange) {
  EXPECT_EQ(NumberText(0.000001), "1E-6");
  EXPECT_EQ(NumberText(0.00001), "0.00001");
  EXPECT_EQ(NumberText(0.0000123), "0.0000123");
  EXPECT_EQ(NumberText(0.00000999), "9.99E-6");
  EXPECT_EQ(NumberText(1.5e20), "1.5E20");
  EXPECT_EQ(NumberText(1e15), "1E15");
  // Rounding to 15 digits can carry into a new exponent: 999999999999999.9
  // rounds to 1E15.
  EXPECT_EQ(NumberText(999999999999999.9), "1E15");
}

TEST(NumberTextTest, NonFiniteAsPrintfWritesIt) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-inf");
}

TEST(NumberTextTest, RoundedTextRoundsFirst) {
  EXPECT_EQ(RoundedText(2, 9.0125), "9.01");
  EXPECT_EQ(RoundedText(2, 123.456), "123.46");
  EXPECT_EQ(RoundedText(2, 20.0), "20");
}

TEST(SixDecimalTextTest, AllIntegerDigitsAndSixDecimals) {
  EXPECT_EQ(SixDecimalText(12), "12.000000");
  EXPECT_EQ(SixDecimalText(1.0 / 3), "0.333333");
  EXPECT_EQ(SixDecimalText(-0.0000004), "-0.000000");
}

// The value read back from a six-decimal text, without the text: the same
// double (sign of zero included) as printf and strtod give, on ties such as
// 1/128 (7812.5 millionths, which goes to the even 7812), on values just
// beside a half, and on every magnitude up to where the text is used.
TEST(SixDecimalTextTest, ValueReadBackWithoutTheText) {
  auto reference = [](double x) {
    char text[400];
    std::snprintf(text, sizeof text, "%.6f", x);
    return std::strtod(text, nullptr);
  };
  auto same = [](double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
  };
  EXPECT_EQ(SixDecimalValue(1.0 / 128), 0.007812);
  EXPECT_EQ(SixDecimalValue(3.0 / 128), 0.023438);  // 23437.5 goes up to the even 23438
  EXPECT_TRUE(same(SixDecimalValue(-0.0000004), -0.0));
  EXPECT_EQ(SixDecimalValue(1e300), 1e300);
  std::mt19937_64 random(128);
  std::uniform_int_distribution<int> exponent(-12, 40);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  for (int i = 0; i < 500000; ++i) {
    double x;
    switch (i % 4) {
      case 0: x = mantissa(random) * std::ldexp(1.0, exponent(random)); break;
      case 1: x = static_cast<double>(random() % 100000001) / 128; break;  // binary ties
      case 2: x = (static_cast<double>(random() % 2000000001) + 0.5) / 1e6; break;
      default: x = std::nextafter((random() % 100000) / 1e6 + 0.0000005, i % 8 < 4 ? 0.0 : 1.0);
    }
    ASSERT_TRUE(same(SixDecimalValue(x), reference(x))) << std::hexfloat << x;
  }
}

TEST(CAtofTest, LongestLeadingDecimalNumber) {
  EXPECT_EQ(CAtof("12.345abc"), 12.345);
  EXPECT_EQ(CAtof("  -3.5e2x"), -350.0);
  EXPECT_EQ(CAtof(".5"), 0.5);
  EXPECT_EQ(CAtof("5."), 5.0);
  EXPECT_EQ(CAtof("1e"), 1.0);
  EXPECT_EQ(CAtof("1e+"), 1.0);
  EXPECT_EQ(CAtof("2E-6*3"), 0.000002);
}

TEST(CAtofTest, NoNumberReadsZero) {
  EXPECT_EQ(CAtof(""), 0.0);
  EXPECT_EQ(CAtof("abc"), 0.0);
  EXPECT_EQ(CAtof("."), 0.0);
  EXPECT_EQ(CAtof("-"), 0.0);
  EXPECT_EQ(CAtof("e5"), 0.0);
  // No hexadecimal, no INF or NAN.
  EXPECT_EQ(CAtof("0x1A"), 0.0);
  EXPECT_EQ(CAtof("inf"), 0.0);
  EXPECT_EQ(CAtof("nan"), 0.0);
}

TEST(CAtolTest, DigitsAfterBlanksAndSign) {
  EXPECT_EQ(CAtol(" 4"), 4);
  EXPECT_EQ(CAtol("-12.7"), -12);
  EXPECT_EQ(CAtol("abc"), 0);
  EXPECT_EQ(CAtol("+7x"), 7);
  EXPECT_EQ(CAtol("99999999999999999999"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(CAtol("-99999999999999999999"), std::numeric_limits<int64_t>::min());
}

}  // namespace
}  // namespace ftcalc

namespace ftcalc {
namespace {

// The rules are defined through printf and strtod; the engine takes faster
// routes to the same digits. These references are the literal rules.
double ReferenceRoundHalfUp(int n, double x) {
  if (n == 0) {
    double f = std::floor(x);
    return (x - f >= 0.5) ? f + 1 : f;
  }
  const double scale = std::pow(10.0, n);
  const double s = x * scale, f = std::floor(s), r = s - f;
  const double t = std::fabs(r - 0.5) <= 0.00001 ? 0.5 : r + 0.5 / scale - 1 / scale;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", n, t);
  return (f + (std::strtod(text, nullptr) >= 0.5 ? 1 : 0)) / scale;
}

// The short form written out from printf's 15-digit rounding.
std::string ReferenceNumberText(double x) {
  if (x == 0) return "0";
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", x);
  std::string mantissa(text, std::strchr(text, 'e'));
  const int exponent = std::atoi(std::strchr(text, 'e') + 1);
  const bool negative = mantissa[0] == '-';
  std::string digits;
  for (char c : mantissa) {
    if (c >= '0' && c <= '9') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = negative ? "-" : "";
  if (exponent < -5 || exponent > 14) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    return out + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return out + "0." + std::string(-exponent - 1, '0') + digits;
  const size_t whole = exponent + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

TEST(NumberRulesTest, FastRoutesGiveThePrintfDigits) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<int> digits(0, 6);
  std::uniform_int_distribution<int> exponent(-8, 12);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  for (int i = 0; i < 200000; ++i) {
    // Values with few decimals (prices) and arbitrary doubles alike.
    double x = i % 2 ? std::round(mantissa(random) * 1e5) / std::pow(10.0, digits(random))
                     : mantissa(random) * std::pow(10.0, exponent(random));
    const int n = digits(random);
    ASSERT_EQ(RoundHalfUp(n, x), ReferenceRoundHalfUp(n, x)) << n << " " << x;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", n, x);
    ASSERT_EQ(FixedText(n, x), text);
    std::snprintf(text, sizeof text, "%.17g", x);
    ASSERT_EQ(CAtof(text), std::strtod(text, nullptr)) << text;
    ASSERT_EQ(NumberText(x), ReferenceNumberText(x)) << x;
    // The short texts the engine writes and reads back most.
    const std::string short_form = NumberText(x);
    ASSERT_EQ(CAtof(short_form), std::strtod(short_form.c_str(), nullptr)) << short_form;
    const std::string fixed = FixedText(n, x);
    ASSERT_EQ(CAtof(fixed), std::strtod(fixed.c_str(), nullptr)) << fixed;
  }
}

// Short decimals are read and written without the general conversions;
// these sit on the edges of that route.
TEST(NumberRulesTest, ShortDecimalEdges) {
  for (const char* text :
       {"-0", "-0.000", "+1.5", "0.1", "9007199254740993", "999999999999999", "1000000000000001",
        "123456789012345.6", "0.0000000000000000000001", "0.00000000000000000000001", "1.",
        ".5", "-.25", "00000000000000000000123.5", "1.0000000000000000000", "12.345e2", "1e", "-.", "+.5", " \t-12.5abc", "5.e3", "7E+",
        "0.5e-3x"}) {
    const double expected = std::strtod(text, nullptr);
    const double read = CAtof(text);
    EXPECT_EQ(read, expected) << text;
    EXPECT_EQ(std::signbit(read), std::signbit(expected)) << text;
  }
  // The fifth decimal place still starts a fixed-point text, the sixth does
  // not; a 15-digit value stays whole, one beyond it rounds.
  EXPECT_EQ(NumberText(0.00005), "0.00005");
  EXPECT_EQ(NumberText(-0.000012), "-0.000012");
  EXPECT_EQ(NumberText(0.000005), "5E-6");
  EXPECT_EQ(NumberText(0.0000015), "1.5E-6");
  EXPECT_EQ(NumberText(12345678.123456), "12345678.123456");
  EXPECT_EQ(NumberText(123456789.1234567), "123456789.123457");
  EXPECT_EQ(NumberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(NumberText(-99999999999999.9), "-99999999999999.9");
  EXPECT_EQ(NumberText(0.1 + 0.7), "0.8");
  EXPECT_EQ(NumberText(1e14), "100000000000000");
}

TEST(NumberRulesTest, ExtremesReadLikeStrtod) {
  for (const char* text : {"1e999", "-1e999", "1e-400", "4.9e-324", "2.2250738585072011e-308"}) {
    EXPECT_EQ(CAtof(text), std::strtod(text, nullptr)) << text;
  }
}

}  // namespace
}  // namespace ftcalc
