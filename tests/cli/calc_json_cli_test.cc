// ftcalc calc --json: the run's summary as JSON, with each reported error
// and its statement.
#include "host_fixture.h"

namespace ftcalc::host_test {
namespace {

class CalcJsonTest : public HostTest {
 protected:
  std::string Args() {
    return "calc '" + Path("sample.db") + "'" + Libraries() + " --exe-dir '" + dir_ +
           "' --quiet --json";
  }
};

TEST_F(CalcJsonTest, CleanRunGivesTotalsAndNoErrors) {
  MakeSample();
  Result r = Run(Args());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\"error_count\": 0,\n  \"errors\": [],")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"定额行数\": 45")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"milliseconds\": ")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"名称\": \"第700章 绿化及环境保护设施\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"项目\": \"工程总价\"")) << r.out;
  // No text summary on stdout.
  EXPECT_FALSE(Has(r.out, "工程名称: ")) << r.out;
}

TEST_F(CalcJsonTest, ErrorsCarryTheirStatements) {
  MakeSample();
  ExecIn("sample.db", "drop table 生成报表;");
  Result r = Run(Args());
  EXPECT_EQ(r.exit_code, 1);
  // The full calculation empties the table first, then the quota step marks it.
  EXPECT_TRUE(Has(
      r.out,
      "\"message\": \"no such table: 生成报表\",\n      \"statement\": \"delete from 生成报表\""))
      << r.out;
  EXPECT_TRUE(Has(r.out, "\"statement\": \"update 生成报表 set 标志=1\"")) << r.out;
}

}  // namespace
}  // namespace ftcalc::host_test
