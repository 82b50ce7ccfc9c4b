#include "formula/substitute.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/evaluate_formula.h"

namespace ftcalc {
namespace {

struct SubstCase {
  const char* in;
  const char* out;
};

void ExpectRates(const std::vector<SubstCase>& cases, int digits = -1) {
  for (const SubstCase& c : cases) {
    std::string text = c.in;
    SubstituteRates(text, digits);
    EXPECT_EQ(text, c.out) << "rates of " << c.in;
  }
}

void ExpectActuals(const std::vector<SubstCase>& cases) {
  for (const SubstCase& c : cases) {
    std::string text = c.in;
    SubstituteActuals(text);
    EXPECT_EQ(text, c.out) << "actuals of " << c.in;
  }
}

TEST(SubstituteRatesTest, ValuesBecomeShortNumbers) {
  ExpectRates({
      {"<1>*[费率:管理费=12%]", "<1>*0.12"},
      {"[费率:利润=7]", "7"},
      {"[费率:利润]", "0"},
      {"[费率:利润=350.50]", "350.5"},
      {"[费率:a= 12 %]", "0.12"},
      {"[费率:a=5=6]", "5"},      // the value ends at a second "="
      {"[费率:a=abc]", "0"},
      {"[费率:a=]", "0"},
      {"[费率:a=1E-6]", "1E-6"},
      {"[费率:a=5%]+[费率:a=5%]", "0.05+0.05"},
      {"[费率:a=1]+[费率:b=2]*[费率:a=1]", "1+2*1"},
      {"2*3", "2*3"},
  });
}

TEST(SubstituteRatesTest, EveryReferenceGoesOnceARateIsThere) {
  ExpectRates({
      {"[系统:直接费]*[费率:a=3%]", "0*0.03"},
      {"[系统:直接费]*2", "[系统:直接费]*2"},
      {"[实际:运费=350.50]+[费率:a=1]", "350.5+1"},
  });
}

TEST(SubstituteRatesTest, RoundsWhenDigitsAreGiven) {
  ExpectRates({{"[费率:a=1.255]", "1.26"}, {"[费率:a=12.345%]", "0.12"}}, 2);
  ExpectRates({{"[费率:a=2.5]", "3"}}, 0);
}

TEST(SubstituteRatesTest, EndsWhenNothingChanges) {
  ExpectRates({
      {"费率:", "费率:"},
      {"1+费率:a=2]", "1+费率:a=2]"},
      {"[费率:a=1", "[费率:a=1"},
      {"[费率:a=[费率:b=2]]", "[费率:a=[费率:b=2]]"},
      {"]]]费率:[[[", "]]]费率:[[["},
  });
}

TEST(SubstituteActualsTest, ValuesAreInsertedAsWritten) {
  ExpectActuals({
      {"[实际:运费=350.50]", "350.50"},
      {"[实际:运费=12%]", "12%"},
      {"[实际:运费]", "0"},
      {"[实际:a=1]+[实际:a=1]", "1+1"},
      {"[系统:直接费]+[实际:a=1]", "0+1"},
      {"[费率:a=5%]+[实际:b=2]", "5%+2"},
      {"[费率:a=5%]", "[费率:a=5%]"},
  });
}

TEST(SubstituteActualsTest, EndsWhenNothingChanges) {
  ExpectActuals({
      {"[实际:a=实际:]", "实际:"},
      {"实际:", "实际:"},
      {"[实际:a", "[实际:a"},
  });
}

TEST(SubstituteTest, SubstitutedFormulaEvaluates) {
  std::string text = "1000*[费率:管理费=3.5%]+[实际:运费=350.50]";
  SubstituteRates(text, -1);
  SubstituteActuals(text);
  EXPECT_EQ(text, "1000*0.035+350.5");
  EXPECT_TRUE(EvaluateFormula(text));
  EXPECT_EQ(text, "385.500000");
}

}  // namespace
}  // namespace ftcalc
