// A temporary folder with project databases for running the ftcalc binary
// the way an estimator does, and reading back what it printed.
#ifndef FTCALC_TESTS_CLI_HOST_FIXTURE_H_
#define FTCALC_TESTS_CLI_HOST_FIXTURE_H_

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/test_project.h"

namespace ftcalc::host_test {

struct Result {
  int exit_code = -1;
  std::string out;
  std::string err;
};

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ftcalc-host-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    const char* bin = std::getenv("FTCALC_BIN_DIR");
    ftcalc_ = std::string(bin ? bin : FTCALC_BINARY_DIR "/bin") + "/ftcalc";
  }
  void TearDown() override {
    int rc = std::system(("rm -rf '" + dir_ + "'").c_str());
    (void)rc;
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  // Creates `name` from SQL files (paths relative to examples/).
  void MakeDb(const std::string& name, const std::vector<std::string>& files) {
    for (const std::string& file : files) {
      ExecIn(name, testing::ReadTextFile(FTCALC_SOURCE_DIR "/examples/" + file));
    }
  }
  // project.db, RoadLib.db and Other.db with the trial schema and no rows.
  void MakeEmptyProject() {
    MakeDb("project.db", {"schema/project.sql"});
    MakeDb("RoadLib.db", {"schema/library.sql"});
    MakeDb("Other.db", {"schema/other.sql"});
  }
  // sample.db, RoadLib.db and Other.db: the bundled sample project.
  void MakeSample() {
    MakeDb("sample.db", {"schema/project.sql", "sample/project.sql"});
    MakeDb("RoadLib.db", {"schema/library.sql", "sample/library.sql"});
    MakeDb("Other.db", {"schema/other.sql", "sample/other.sql"});
  }

  void ExecIn(const std::string& name, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Path(name).c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "") << "\n"
        << sql;
    sqlite3_free(error);
    sqlite3_close(db);
  }

  Result Run(const std::string& args) {
    Result r;
    const std::string out = Path("stdout"), err = Path("stderr");
    int status = std::system((ftcalc_ + " " + args + " >'" + out + "' 2>'" + err + "'").c_str());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = testing::ReadTextFile(out);
    r.err = testing::ReadTextFile(err);
    return r;
  }

  // " --library ... --other ..." for the libraries in the folder.
  std::string Libraries() const {
    return " --library '" + Path("RoadLib.db") + "' --other '" + Path("Other.db") + "'";
  }

  std::string dir_;
  std::string ftcalc_;
};

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace ftcalc::host_test

#endif  // FTCALC_TESTS_CLI_HOST_FIXTURE_H_
