// A fee sheet worked out from its plan against the same sheet worked out as
// text: hand-worked values for the usual shape, the shapes that get no
// plan, and random sheets (odd ones included) on which both forms must
// leave every line's text identical.
#include "calc/fee_sheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "calc/fee_sheet_plan.h"
#include "data/query.h"
#include "data/text_util.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

class FeeSheetTest : public ::testing::Test {
 protected:
  FeeSheetTest() {
    // Unit columns: base 200, labour 100, material 50.5, main material 0,
    // machine 30. Totals are ten times as much.
    project_.Exec(
        "insert into 分部分项(编号,上级编号,标志,定额基价,单价_人工费,单价_材料费,主材费,"
        "单价_机械费,合价_定额基价,合价_人工费,合价_材料费,合价_主材费,合价_机械费) "
        "values(1,0,'定额',200,100,50.5,0,30,2000,1000,505,0,300)");
    DbError error;
    EXPECT_TRUE(item_.Open(project_.db(), "select * from 分部分项 where 编号=1", &error))
        << error.message;
    item_.First();
  }

  // Every line's working text and value, and the roles, from both forms.
  void ExpectSameAsText(const std::vector<FeeLine>& lines, FeeBasis basis, int digits,
                        const FeeSheetPlan& plan) {
    FeeSheet text(lines, item_, basis, digits);
    FeeSheet planned(plan, item_, basis, digits);
    text.Resolve();
    planned.Resolve();
    std::vector<std::string> tags = {"<:missing>", "<:>"};
    for (const FeeLine& line : lines) tags.push_back("<:" + Trim(line.number) + ">");
    for (const std::string& tag : tags) {
      ASSERT_EQ(text.WorkingFormula(tag), planned.WorkingFormula(tag)) << Describe(lines, tag);
      ASSERT_EQ(text.EvaluatedValue(tag), planned.EvaluatedValue(tag)) << Describe(lines, tag);
    }
    EXPECT_EQ(text.unit_tag(), planned.unit_tag());
    EXPECT_EQ(text.total_tag(), planned.total_tag());
    EXPECT_EQ(text.column_map(), planned.column_map());
  }

  static std::string Describe(const std::vector<FeeLine>& lines, const std::string& tag) {
    std::string text = "tag " + tag + " of sheet:";
    for (const FeeLine& line : lines) {
      text += "\n  [" + line.number + "] [" + line.name + "] [" + line.formula + "]";
    }
    return text;
  }

  TestProject project_;
  Query item_;
};

// Labour + machine 130 at 5% is 6.5 and the base 200 at 0.59% is 1.18: 7.68.
// With the material 50.5 the direct cost is 180.5. A line before the lines
// it uses waits for the next pass; the negative line goes in with
// parentheses, so 180.5+7.68+(-7.68) is 180.5.
TEST_F(FeeSheetTest, PlannedSheetGivesTheHandWorkedValues) {
  const std::vector<FeeLine> lines = {
      {"3", "综合单价", "<1>+<2>+<4>"},
      {"1", "直接费", "[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]"},
      {"2", "其他费用",
       "([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:其他费率=5%]+"
       "[系统:定额费合计]*[费率:安全费率=0.59%]"},
      {" 4 ", "规费", "0-<2>"},
  };
  std::unique_ptr<FeeSheetPlan> plan = FeeSheetPlan::Compile(lines, item_);
  ASSERT_NE(plan, nullptr);
  FeeSheet sheet(*plan, item_, FeeBasis::kUnit, 2);
  sheet.Resolve();
  EXPECT_EQ(sheet.WorkingFormula("<:1>"), "180.5");
  EXPECT_EQ(sheet.WorkingFormula("<:2>"), "7.68");
  EXPECT_EQ(sheet.WorkingFormula("<:4>"), "(-7.68)");
  EXPECT_EQ(sheet.WorkingFormula("<:3>"), "180.5");
  EXPECT_EQ(sheet.EvaluatedValue("<:4>"), "-7.68");
  EXPECT_EQ(sheet.unit_tag(), "<:3>");
  ExpectSameAsText(lines, FeeBasis::kUnit, 2, *plan);

  // On the total basis the markers read the totals: 1805, and 65 + 11.8.
  FeeSheet totals(*plan, item_, FeeBasis::kTotal, 2);
  totals.Resolve();
  EXPECT_EQ(totals.WorkingFormula("<:1>"), "1805");
  EXPECT_EQ(totals.WorkingFormula("<:2>"), "76.8");
  ExpectSameAsText(lines, FeeBasis::kTotal, 2, *plan);
}

// The item row may be written once the sheet exists: the markers keep the
// values read when it was built, and open references stay as written.
TEST_F(FeeSheetTest, PlannedSheetKeepsMarkersAndOpenReferences) {
  const std::vector<FeeLine> lines = {
      {"1", "人工费", "[系统:直接人工费合计]*2"},
      {"2", "利润", "<1>+<9>"},
      {"3", "管理费", "<3>+1"},
  };
  std::unique_ptr<FeeSheetPlan> plan = FeeSheetPlan::Compile(lines, item_);
  ASSERT_NE(plan, nullptr);
  FeeSheet sheet(*plan, item_, FeeBasis::kUnit, 2);
  item_.Edit();
  item_.SetValue(item_.FieldIndex("单价_人工费"), SqlValue::Real(7));
  sheet.Resolve();
  EXPECT_EQ(sheet.WorkingFormula("<:1>"), "200");
  EXPECT_EQ(sheet.WorkingFormula("<:2>"), "200+<9>");
  EXPECT_EQ(sheet.WorkingFormula("<:3>"), "<3>+1");
  EXPECT_EQ(sheet.EvaluatedValue("<:2>"), "0");
  EXPECT_EQ(sheet.EvaluatedValue("<:nothing>"), "0");
  EXPECT_EQ(sheet.column_map(), (std::vector<std::string>{"人工费=<:1>", "利润=<:2>", "管理费=<:3>"}));
}

// A line that reads neither a marker nor another line is worked out once
// per plan: 100-1.5-2.504 is 98.5 then 95.996, 96 at two decimals; the
// sheets of those digits take it, and the line that refers to it adds
// labour 100: 196.
TEST_F(FeeSheetTest, ConstantLinesAreWorkedOutOncePerPlan) {
  const std::vector<FeeLine> lines = {
      {"1", "a", "100-1.5-2.504"},
      {"2", "b", "<1>+[系统:直接人工费合计]"},
  };
  std::unique_ptr<FeeSheetPlan> plan = FeeSheetPlan::Compile(lines, item_);
  ASSERT_NE(plan, nullptr);
  EXPECT_EQ(plan->ConstantValue(0, 2), nullptr);
  plan->SettleConstantLines(2);
  ASSERT_NE(plan->ConstantValue(0, 2), nullptr);
  EXPECT_EQ(*plan->ConstantValue(0, 2), "96");
  EXPECT_EQ(plan->ConstantValue(1, 2), nullptr);
  EXPECT_EQ(plan->ConstantValue(0, 3), nullptr);
  FeeSheet sheet(*plan, item_, FeeBasis::kUnit, 2);
  sheet.Resolve();
  EXPECT_EQ(sheet.WorkingFormula("<:1>"), "96");
  EXPECT_EQ(sheet.WorkingFormula("<:2>"), "196");
  ExpectSameAsText(lines, FeeBasis::kUnit, 2, *plan);
}

// Shapes whose text could come out differently are left to the text form.
TEST_F(FeeSheetTest, OddShapesGetNoPlan) {
  const std::vector<std::vector<FeeLine>> odd = {
      {{"1", "a", "1"}, {"1", "b", "2"}},                         // a repeated label
      {{"", "a", "1"}},                                           // an empty label
      {{"a=b", "a", "1"}},                                        // "=" in a label
      {{"1", "a", "2>1"}},                                        // ">" outside a reference
      {{"1", "a", "<2"}},                                         // an unclosed reference
      {{"1", "a", "<[系统:定额费合计]>"}},                        // a reference through a marker
      {{"1", "a", "[费率:r=[系统:定额费合计]]"}},                 // a marker inside a rate
      {{"1", "a", "[费率:r=1%]]+[系统:定额费合计]"}},             // rate brackets out of pairs
      {{"1", "a", std::string("1+\x01+2")}},                      // the plan's own slot byte
  };
  for (const std::vector<FeeLine>& lines : odd) {
    EXPECT_EQ(FeeSheetPlan::Compile(lines, item_), nullptr) << Describe(lines, "");
  }
  // A marker outside rate pairs, and brackets that are no rate, are fine.
  EXPECT_NE(FeeSheetPlan::Compile({{"1", "a", "[费率:r=1%]*[系统:定额费合计]+[x]"}}, item_),
            nullptr);
  EXPECT_NE(FeeSheetPlan::Compile({{"1", "a", "[x[系统:定额费合计]"}}, item_), nullptr);
}

// Random sheets built from the usual pieces and odd ones: wherever a plan
// is made, both forms agree on every line.
TEST_F(FeeSheetTest, RandomSheetsAgreeWithTheTextForm) {
  const std::vector<std::string> usual = {
      "12.5", "-3", "0", "1.005", "250", "+", "-", "*", "/", "(", ")", "%",
      "[系统:定额费合计]", "[系统:直接人工费合计]", "[系统:直接材料费合计]",
      "[系统:直接主材费合计]", "[系统:直接机械费合计]", "[费率:a=5%]", "[费率:b=0.28%]",
      "<1>", "<2>", "<2.1>", "<3>", "<4.1>", "<9>",
  };
  const std::vector<std::string> odd = {
      "1E-6", "^", ",", "MAX(", "MIN(", " ", "[系统:未知]", "系统:", "费率:", "[费率:c]",
      "[费率:d=1=2]", "[费率:", "]", "[", "<:1>", "< 1>", "<", ">",
  };
  const std::vector<std::string> labels = {"1", "2", "2.1", "3", " 3 ", "4", "1", "", "a=b"};
  const std::vector<std::string> names = {"单价", "合价", "综合单价", "综合合价", "人工费",
                                          "规费", "利润", "编号",     " 材料费 ", "x"};
  std::mt19937 random(20261207);
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
  };
  int planned = 0;
  constexpr int kSheets = 20000;
  for (int n = 0; n < kSheets; ++n) {
    std::vector<FeeLine> lines;
    const int count = std::uniform_int_distribution<int>(1, 7)(random);
    for (int i = 0; i < count; ++i) {
      std::string formula;
      const int length = std::uniform_int_distribution<int>(1, 7)(random);
      for (int p = 0; p < length; ++p) formula += pick(random() % 8 == 0 ? odd : usual);
      // Mostly the labels in order, sometimes a repeated or odd one.
      const std::string label =
          random() % 6 == 0 ? pick(labels) : std::to_string(i + 1) + (i % 2 ? ".1" : "");
      lines.push_back({label, pick(names), formula});
    }
    std::unique_ptr<FeeSheetPlan> plan = FeeSheetPlan::Compile(lines, item_);
    if (plan == nullptr) continue;
    ++planned;
    const FeeBasis basis = static_cast<FeeBasis>(random() % 3);
    const int digits = static_cast<int>(random() % 4);
    // Half the plans are settled, as a standard sheet is: mostly for the
    // sheet's digits, sometimes for others (whose values it must not take).
    if (random() % 2 == 0) plan->SettleConstantLines(random() % 4 == 0 ? (digits + 1) % 4 : digits);
    ExpectSameAsText(lines, basis, digits, *plan);
    if (HasFatalFailure()) return;
  }
  // Most sheets are planned, so the comparison covers the planned form.
  EXPECT_GT(planned, kSheets / 3);
}

}  // namespace
}  // namespace ftcalc
