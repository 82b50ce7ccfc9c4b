#include "formula/check_formula.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/evaluate_formula.h"
#include "ftcalc/ftcalc.h"

namespace ftcalc {
namespace {

constexpr const char* kAccepted = "";
constexpr const char* kBadCharacter = "\r\n不是 ^()*+-/%.&| 的非法符号";
constexpr const char* kOperatorFollowed = "\r\n符号'*+-/'后不能跟'*+-/)%'";
constexpr const char* kPointFollowed = "\r\n符号'.'后只能跟数字";
constexpr const char* kPercentFollowed = "\r\n符号'%'后只能接运算符";
constexpr const char* kDigitFollowed = "\r\n数字后不能跟'('";
constexpr const char* kOpenFollowed = "\r\n符号'('后不能跟'*)/%'";
constexpr const char* kCloseFollowed = "\r\n符号')'后不能跟数字.'('";
constexpr const char* kBadEnd = "\r\n末尾不能是'*+-/(.'";
constexpr const char* kUnbalanced = "\r\n括号'('与')'不匹配";

struct CheckCase {
  std::string formula;
  const char* message;  // kAccepted when the formula passes
};

void ExpectCheck(const std::vector<CheckCase>& cases) {
  for (const CheckCase& c : cases) {
    SCOPED_TRACE("formula: " + c.formula);
    const FormulaCheck check = CheckFormula(c.formula);
    EXPECT_EQ(check.ok(), std::string(c.message).empty());
    EXPECT_EQ(std::string(check.message), c.message);
  }
}

TEST(CheckFormulaTest, AlphabetPassComesFirst) {
  ExpectCheck({
      {"", kAccepted},
      {"A,B", kAccepted},
      {"2^3", kAccepted},
      {"a&b|c", kAccepted},
      {"1\t+2", kBadCharacter},
      {"1+2 ", kBadCharacter},
      {"[]", kBadCharacter},
      {"1#2", kBadCharacter},
      {"1=2", kBadCharacter},
      {std::string("1\0", 2), kBadCharacter},
      {"1\x81", kBadCharacter},
      // Outside the alphabet is found before any sequence rule.
      {"2*-3;", kBadCharacter},
  });
}

TEST(CheckFormulaTest, SequenceRulesInTheirOrder) {
  ExpectCheck({
      {"2*-3", kOperatorFollowed},
      {"2*(0-3)", kAccepted},
      {"1-)", kOperatorFollowed},
      {"5-%", kOperatorFollowed},
      {"3.X", kPointFollowed},
      {"3.", kPointFollowed},  // the appended blank follows the point
      {"5.%", kPointFollowed},
      {".5", kAccepted},
      {"5%", kAccepted},
      {"5%+1", kAccepted},
      {"5%A", kAccepted},
      {"5%3", kPercentFollowed},
      {"2(3)", kDigitFollowed},
      {"(-3+4)", kAccepted},
      {"(+3)", kAccepted},
      {"(*3)", kOpenFollowed},
      {"(/3)", kOpenFollowed},
      {"()", kOpenFollowed},
      {"(%)", kOpenFollowed},
      {"(3)2", kCloseFollowed},
      {"(3)(4)", kCloseFollowed},
      {"(3)A", kCloseFollowed},
      {"(3)+1", kAccepted},
      {"A(3)", kAccepted},
  });
}

TEST(CheckFormulaTest, Log10MayTakeAParenthesis) {
  ExpectCheck({
      {"LOG10(1000)", kAccepted},
      {"2*LOG10(1000)", kAccepted},
      {"LOG1(0)", kDigitFollowed},
      {"X10(2)", kDigitFollowed},
      {"LOG100(2)", kDigitFollowed},
  });
}

TEST(CheckFormulaTest, EndPass) {
  ExpectCheck({
      {"1+", kBadEnd},
      {"1*", kBadEnd},
      {"A(", kBadEnd},
      {"(1", kUnbalanced},
      {"((1)", kUnbalanced},
      {"(1))", kUnbalanced},
      // Only the numbers of parentheses are compared.
      {"1)+(2", kAccepted},
  });
}

// A rejection says which rule fired and where, and gives the warning text
// a caller shows: the prepared formula followed by the message.
TEST(CheckFormulaTest, RejectionCarriesRulePositionAndWarning) {
  FormulaCheck check = CheckFormula("5%3");
  EXPECT_EQ(check.rule, FormulaRule::kPercentFollowed);
  EXPECT_EQ(check.position, 2u);
  EXPECT_EQ(check.WarningText("5%3"), std::string("5%3") + kPercentFollowed);

  check = CheckFormula("1+A~");
  EXPECT_EQ(check.rule, FormulaRule::kBadCharacter);
  EXPECT_EQ(check.position, 4u);

  check = CheckFormula("(1))");
  EXPECT_EQ(check.rule, FormulaRule::kUnbalanced);
  EXPECT_EQ(check.position, 0u);  // the whole text

  EXPECT_TRUE(CheckFormula("5%+3").ok());
}

TEST(CheckFormulaTest, EvaluationHandsTheRejectionOfThePreparedText) {
  std::string formula = "1 + [管理费]";
  FormulaCheck rejection;
  EXPECT_FALSE(EvaluateFormula(formula, &rejection));
  EXPECT_EQ(formula, "");
  EXPECT_EQ(rejection.rule, FormulaRule::kBadCharacter);
  EXPECT_EQ(rejection.WarningText("1+[]"), std::string("1+[]") + kBadCharacter);

  // A formula that evaluates leaves an accepting result.
  formula = "2*3";
  EXPECT_TRUE(EvaluateFormula(formula, &rejection));
  EXPECT_TRUE(rejection.ok());
}

}  // namespace
}  // namespace ftcalc
