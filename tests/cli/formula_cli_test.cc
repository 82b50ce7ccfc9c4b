// ftcalc eval and subst: output formats and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace ftcalc {
namespace {

class FormulaCliTest : public ::testing::Test {
 protected:
  struct Result {
    int exit_code = -1;
    std::string out;
    std::string err;
  };

  void SetUp() override {
    char pattern[] = "/tmp/ftcalc-formula-cli-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    const char* bin = std::getenv("FTCALC_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    ftcalc_ = std::string(bin) + "/ftcalc";
  }
  void TearDown() override {
    int rc = std::system(("rm -rf '" + dir_ + "'").c_str());
    (void)rc;
  }

  std::string WriteFile(const std::string& name, const std::string& content) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // `args` is pasted into a shell command line as it stands.
  Result Run(const std::string& args) {
    Result r;
    const std::string out = dir_ + "/stdout", err = dir_ + "/stderr";
    int status = std::system((ftcalc_ + " " + args + " >'" + out + "' 2>'" + err + "'").c_str());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Read(out);
    r.err = Read(err);
    return r;
  }

  std::string dir_;
  std::string ftcalc_;
};

TEST_F(FormulaCliTest, EvalPrintsTheResultText) {
  Result r = Run("eval '(100+50+30.25)*0.05'");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "9.012500\n");
  r = Run("eval -- '-5-3'");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "-8.000000\n");
}

TEST_F(FormulaCliTest, EvalExplainsARejectionOnce) {
  Result r = Run("eval '2*-3'");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "2*-3\n符号'*+-/'后不能跟'*+-/)%'\n");
  EXPECT_EQ(r.err, "");  // no warning box besides

  r = Run("eval ' 管理费 '");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.out.find("公式为空"), std::string::npos);
}

TEST_F(FormulaCliTest, EvalBatchPrintsOneLinePerInput) {
  const std::string file = WriteFile("in.txt", "2*3\r\n1+[管理费]\n\n(2*3)");
  Result r = Run("eval --batch '" + file + "'");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out,
            "2*3\t1\t6.000000\n"
            "1+[管理费]\t0\t\n"
            "\t1\t\n"
            "(2*3)\t1\t6\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(FormulaCliTest, UnreadableBatchFileIsExitTwo) {
  Result r = Run("eval --batch '" + dir_ + "/missing.txt'");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos);
  r = Run("subst --rates --batch '" + dir_ + "'");
  EXPECT_EQ(r.exit_code, 2);
}

TEST_F(FormulaCliTest, SubstBatch) {
  const std::string file =
      WriteFile("in.txt", "<1>*[费率:管理费=12%]\n[实际:运费=350.50]\n");
  Result r = Run("subst --rates --batch '" + file + "'");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out,
            "<1>*[费率:管理费=12%]\t<1>*0.12\n"
            "[实际:运费=350.50]\t[实际:运费=350.50]\n");
  r = Run("subst --actuals --batch '" + file + "'");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out,
            "<1>*[费率:管理费=12%]\t<1>*[费率:管理费=12%]\n"
            "[实际:运费=350.50]\t350.50\n");
}

}  // namespace
}  // namespace ftcalc
