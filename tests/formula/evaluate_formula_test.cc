#include "formula/evaluate_formula.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <random>
#include <string>
#include <vector>

#include "data/number_text.h"
#include "formula/reduce.h"

namespace ftcalc {
namespace {

// One formula and the exact text it evaluates to; kFails marks a formula
// that the evaluation rejects (result false, empty text).
struct EqnCase {
  const char* formula;
  const char* expected;
};
constexpr const char* kFails = nullptr;

void ExpectEqn(const std::vector<EqnCase>& cases) {
  for (const EqnCase& c : cases) {
    SCOPED_TRACE(std::string("formula: ") + c.formula);
    std::string text = c.formula;
    const bool ok = EvaluateFormula(text);
    if (c.expected == kFails) {
      EXPECT_FALSE(ok);
      EXPECT_EQ(text, "");
    } else {
      EXPECT_TRUE(ok);
      EXPECT_EQ(text, c.expected);
    }
  }
}

TEST(EvaluateFormulaTest, Preparation) {
  ExpectEqn({
      {"", ""},
      {"   ", kFails},
      {"\r\n", kFails},
      {" 2 * 3 \r\n", "6.000000"},
      {"7", "7"},
      {"007", "007"},  // a plain number is returned as written
      {"-12.50", "-12.50"},
      {"pi", "3.14159"},
      {"管理费", kFails},        // nothing left once the Chinese bytes go
      {"2*3管理费", "6.000000"},
      {"1+[管理费]", kFails},     // the brackets stay and are rejected
      {"1\t+2", kFails},
      {"2*-3", kFails},
  });
}

TEST(EvaluateFormulaTest, PercentAndPiAreText) {
  ExpectEqn({
      {"50%", "0.500000"},
      {"100*5%", "5.000000"},
      {"180.25*5%", "9.012500"},
      {"2*PI", "6.283180"},
      {"2PI", "23.14159"},
      {"PI", "3.14159"},
  });
}

TEST(EvaluateFormulaTest, Groups) {
  ExpectEqn({
      {"(2*3)", "6"},
      {"(2+3)", "5"},
      {"((1+2)*3)", "9"},
      {"(1/3)*3", "0.999999"},
      {"(100+50+30.25)*0.05", "9.012500"},
      {"(1,2)", "1,2#"},
      // A group without ")" after its "(" runs to the end of the text.
      {"1)+(2", "3.000000"},
      // Signs are merged after a group is put back.
      {"100-(-5)+3", "108.000000"},
      {"(-5)+3", "-2.000000"},
      {"2*(0-3)", "-6.000000"},
      // Short form of small and huge group values.
      {"(0.000001)", "1E-6"},
      {"(1E999)", "inf"},
  });
}

TEST(EvaluateFormulaTest, MaxAndMinTakeTheirGroup) {
  ExpectEqn({
      {"MAX(1,5,3)", "5"},
      {"MIN(2,-1)", "-1"},
      {"MAX(7)", "7"},
      {"MAX(,-1)", "0"},  // an empty piece is 0
      {"(MAX(1,2)+1)", "3"},
      {"MIN(MAX(1,5),3)", "3"},
      {"MAX(2,3)^2", "9"},
      {"5-MIN(1,-2)", "7.000000"},
      {"1234.56*0.0325+MAX(0,12.5)", "52.623200"},
  });
}

TEST(EvaluateFormulaTest, R1Powers) {
  ExpectEqn({
      {"2^3", "8"},
      {"2^-1", "0.5"},
      {"2^0.5", "1.4142135623731"},
      {"-2^2", "-4"},
      {"1+2^2", "5.000000"},
      {"2^3*2", "16.000000"},
      {"2^3^2", "8"},        // the exponent text swallows the second power
      {"SQRT(4)^2", "0"},    // the base SQRT4 reads as 0
      {"0^-1", "0"},         // not finite
      {"(0-8)^0.5", "-2.82842712474619"},
      {"1E-6^2", "1E-12"},
      {"2^1E-1", "1.07177346253629"},
  });
}

TEST(EvaluateFormulaTest, R2ListsWithoutParentheses) {
  ExpectEqn({
      {"MAX1,5,3", "5"},
      {"MIN2,-1", "-1"},
      {"MAX1,(2,3)", "3"},
      {"MIN5,(1,2)+1", "2.000000"},  // the list ends at "#"
      {"MIN3,4+MAX1,2", "3"},        // every MAX before any MIN
  });
}

TEST(EvaluateFormulaTest, R3Functions) {
  ExpectEqn({
      {"SQRT(16)+1", "5.000000"},
      {"SQRT16*2", "8.000000"},
      {"2*SQRT(9)", "6.000000"},
      {"SQR(3)", "9"},
      {"LOG10(1000)", "3"},
      {"LOG10(100)+LOG(1)", "2.000000"},
      {"EXP(0)", "1"},
      {"ABS(-2.5)", "2.5"},
      {"ABS-5", "5"},
      {"COS(0)", "1"},
      {"ATAN(1)", "0.785398163397448"},
      {"ASIN(1)", "1.5707963267949"},
      {"ASIN(0.5)", "0.523598775598299"},
      {"CEIL(2.1)", "3"},
      {"CEIL(-2.1)", "-2"},
      {"DTOR(4)", "0.0349065555555556"},  // sqrt(4) * 3.14159 / 180
      {"INT(2.7)", "2"},
      {"INT(-2.7)", "-2"},
      {"CINT(-2.7)", "-2"},
      {"CINT(2.5)", "3"},
      {"CINT(-2.5)", "-2"},
      {"ROUND(2.5)", "3"},
      {"ROUND(2.4)", "2"},
      {"CINT(1E10)", "1410065408"},        // wraps modulo 2^32
      {"CINT(3000000000)", "-1294967296"},
      // Values that are not finite give 0.
      {"SQRT(-4)", "0"},
      {"SQRT-4", "0"},
      {"LOG(0)", "0"},
      {"ASIN(2)", "0"},
  });
}

TEST(EvaluateFormulaTest, ScientificNotationIsReadWhole) {
  ExpectEqn({
      {"SQRT(0.000001)", "0.001"},
      {"INT(0.000001)", "0"},
      {"2*0.000001", "0.000002"},
      {"2*(0.000001)", "0.000002"},
      {"1E-6*1E6", "1.000000"},
      {"1E-5+1", "1.000010"},
      {"2-(0.000001)", "1.999999"},
      {"5-(-0.000001)", "5.000001"},
  });
}

TEST(EvaluateFormulaTest, R4ProductsAndQuotients) {
  ExpectEqn({
      {"2*3", "6.000000"},
      {"1/3", "0.333333"},
      {"1/3*3", "0.999999"},
      {"6/2/3", "1.000000"},
      {"5/0", "0.000000"},
      {"-2*3", "-6.000000"},
      {"10-2*3", "4.000000"},
      {"2.5*3", "7.500000"},
  });
}

TEST(EvaluateFormulaTest, R5AdditionsBeforeSubtractions) {
  ExpectEqn({
      {"1+2", "3.000000"},
      {"5-8", "-3.000000"},
      {"10-3+2", "9.000000"},
      {"10-3-2+1", "6.000000"},
      {"1-2-3", "-4.000000"},
      {"-5-3", "-8.000000"},
      {"XE+1", "XE+1"},  // an operator after the letter E ends the stage
      // A "-" right after a comma has no left operand; it ends as the
      // repeated step would leave it.
      {"(1,-2)", "1,0.000000"},
      {"(1,-0.0000001)", "1,-0.000000"},
      {"1,+2", "1,4.000000"},
      {"1,-SIN(-1)", "1,0.841471"},  // "--" after the comma: 0 - -0.84
      {"1,-2-SIN(-1)", "1,0.000000"},  // "--" merged into "+" first
  });
}

// Plain arithmetic (unsigned decimals, "+", "*", "/", parentheses) is
// worked out without rewriting the text; the results are the stages' own.
TEST(EvaluateFormulaTest, PlainArithmeticAsTheStagesWorkItOut) {
  ExpectEqn({
      {"(100+30)*0.05", "6.500000"},         // the group's short form "130", then 6.5
      {"1.18*0.0059+0.5", "0.506962"},       // 0.006962 written in six decimals first
      {"1+2*3+4", "11.000000"},              // products before sums
      {"0.0000004+0.0000004", "0.000001"},   // each step rounded to six decimals
      {"(0.0000004)+1", "1.000000"},         // "4E-7": left to the stages
      {"(1)", "1"},
      {"((2.50))", "2.5"},
      {"1/0+2", "2.000000"},
      {"(1+2", kFails},
      {"2(3)", kFails},
      {"1.+2", kFails},
  });
  // Random plain texts, some with huge or tiny values, against the stages.
  std::mt19937 random(7);
  const std::vector<std::string> numbers = {"0",    "1",       "2.5",      "100",   "0.0059",
                                            "3",    "1234.56", "0.000001", "1E3",   "999999999999999",
                                            "1.005", "7",      "0.5",      "12"};
  const std::vector<std::string> operators = {"+", "*", "/", "+", "*"};
  auto pick = [&random](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
  };
  for (int n = 0; n < 20000; ++n) {
    std::string text;
    int open = 0;
    const int terms = std::uniform_int_distribution<int>(1, 6)(random);
    for (int i = 0; i < terms; ++i) {
      if (i > 0) text += pick(operators);
      while (random() % 4 == 0) {
        text += "(";
        ++open;
      }
      text += pick(numbers);
      while (open > 0 && random() % 3 == 0) {
        text += ")";
        --open;
      }
    }
    text.append(open, ')');
    std::string quick = text;
    std::string staged = text;
    const bool ok = EvaluateFormula(quick);
    const double number = EvaluateFormulaNumber(text);
    ASSERT_EQ(ok, EvaluateByStages(staged)) << text;
    ASSERT_EQ(quick, staged) << text;
    ASSERT_EQ(number, CAtof(staged)) << text;
  }
}

// A formula from the database may nest its groups thousands deep. It is
// worked out on a thread with a quarter of a megabyte of stack (a host's
// threads may have little more), where a reader that descended one call
// per group would overflow it and take the host down.
TEST(EvaluateFormulaTest, DeeplyNestedGroupsOnASmallStack) {
  struct Run {
    std::string text;
    double number = 0;
    bool ok = false;
  };
  constexpr int kDepth = 5000;
  Run run;
  run.text = std::string(kDepth, '(') + "1+2" + std::string(kDepth, ')');
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* argument) -> void* {
                  Run& run = *static_cast<Run*>(argument);
                  run.number = EvaluateFormulaNumber(run.text);
                  run.ok = EvaluateFormula(run.text);
                  return nullptr;
                },
                &run),
            0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
  pthread_attr_destroy(&attributes);
  // Each group becomes the short form of its value: "(1+2)" is "3", and
  // so is every group around it.
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(run.text, "3");
  EXPECT_EQ(run.number, 3);
  // At the depth the reader still takes, the same result.
  std::string shallow = std::string(200, '(') + "1+2" + std::string(200, ')');
  EXPECT_TRUE(EvaluateFormula(shallow));
  EXPECT_EQ(shallow, "3");
}

TEST(EvaluateFormulaTest, R6LogicalOperators) {
  ExpectEqn({
      {"1&0", "0"},
      {"2|0", "1"},
      {"1&2", "1"},
      {"0|0", "0"},
      {"-1&1", "1"},
      {"1|0&0", "0"},  // from the left, no precedence
      {"(1+1)&0", "0"},
      {"1+1&0", "2.000000"},  // the addition's operand runs over "&0"
  });
}

TEST(CleanUpSignsTest, MergesAdjacentSigns) {
  const struct {
    const char* in;
    const char* out;
    bool changed;
  } cases[] = {
      {"1-2", "1-2", false},
      {"1+-2", "1-2", true},
      {"1-+2", "1-2", true},
      {"1--2", "1+2", true},
      {"1---2", "1-2", true},
      {"1+--2", "1+2", true},
      {"1+-2--3", "1-2+3", true},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    EXPECT_EQ(CleanUpSigns(text), c.changed) << c.in;
    EXPECT_EQ(text, c.out) << c.in;
  }
}

// The rule read plainly, with the string's own find: the first "+-"
// becomes "-", then the first "-+" becomes "-", then the first "--"
// becomes "+", over and over.
bool CleanUpSignsAsWritten(std::string& t) {
  bool changed = false;
  for (;;) {
    if (t.find("+-") == std::string::npos && t.find("-+") == std::string::npos &&
        t.find("--") == std::string::npos) {
      return changed;
    }
    changed = true;
    size_t at = t.find("+-");
    if (at != std::string::npos) t.erase(at, 1);
    at = t.find("-+");
    if (at != std::string::npos) t.erase(at + 1, 1);
    at = t.find("--");
    if (at != std::string::npos) {
      t.erase(at, 1);
      t[at] = '+';
    }
  }
}

TEST(CleanUpSignsTest, RandomTextsCleanUpAsTheRuleReads) {
  std::mt19937 random(20261208);
  const char alphabet[] = {'+', '-', '+', '-', '1', '.', 'E', ',', '*'};
  for (int n = 0; n < 20000; ++n) {
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i) text += alphabet[random() % sizeof alphabet];
    std::string expected = text;
    const bool expected_changed = CleanUpSignsAsWritten(expected);
    std::string cleaned = text;
    ASSERT_EQ(CleanUpSigns(cleaned), expected_changed) << text;
    ASSERT_EQ(cleaned, expected) << text;
  }
}

TEST(ReduceFormulaTest, EndsOnDegenerateTexts) {
  // Texts that no check stands in front of: every stage must end and stay
  // inside the text.
  const char* texts[] = {"", "-", "+", "^", "*", "/", "E-", "1E", "1E+", "MAX", "MIN#",
                         ",-", ",-,-", "-,-1", "&", "|-", "SQRT", "LOG10", "1,-2,-3"};
  for (const char* t : texts) {
    std::string text = t;
    ReduceFormula(text);
    SUCCEED() << t << " -> " << text;
  }
}

}  // namespace
}  // namespace ftcalc
