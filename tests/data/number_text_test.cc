// The number rules decide the last digit of every amount; each expectation
// here is worked out from the rules by hand.
#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
