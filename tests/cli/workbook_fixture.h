// Calculated projects for the export and diff commands, and the workbooks
// they write read back by openpyxl (tests/cli/xlsx_reader.py, run with
// Debian's /usr/bin/python3 and python3-openpyxl).
#ifndef FTCALC_TESTS_CLI_WORKBOOK_FIXTURE_H_
#define FTCALC_TESTS_CLI_WORKBOOK_FIXTURE_H_

#include <dirent.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "host_fixture.h"

namespace ftcalc::host_test {

class WorkbookTest : public HostTest {
 protected:
  // sample.db calculated, with RoadLib.db and Other.db beside it.
  void MakeCalculatedSample() {
    MakeSample();
    Result r = Run("calc '" + Path("sample.db") + "'" + Libraries() + " --quiet --exe-dir '" +
                   dir_ + "'");
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }

  // A copy of `from` as `to` in the folder.
  void Copy(const std::string& from, const std::string& to) {
    ASSERT_EQ(std::system(("cp '" + Path(from) + "' '" + Path(to) + "'").c_str()), 0);
  }

  // Runs a shell command (not ftcalc) and reads what it printed.
  Result Shell(const std::string& command) {
    Result r;
    const std::string out = Path("shell.out"), err = Path("shell.err");
    const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = testing::ReadTextFile(out);
    r.err = testing::ReadTextFile(err);
    return r;
  }

  // xlsx_reader.py with `args`.
  Result Reader(const std::string& args) {
    return Shell("/usr/bin/python3 '" FTCALC_SOURCE_DIR "/tests/cli/xlsx_reader.py' " + args);
  }

  bool Exists(const std::string& name) const {
    struct stat info;
    return stat(Path(name).c_str(), &info) == 0;
  }

  // The names in the folder (to see that a failed write left nothing).
  std::set<std::string> Files() const {
    std::set<std::string> names;
    if (DIR* dir = opendir(dir_.c_str())) {
      while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != "stdout" && name != "stderr") {
          names.insert(name);
        }
      }
      closedir(dir);
    }
    return names;
  }
};

}  // namespace ftcalc::host_test

#endif  // FTCALC_TESTS_CLI_WORKBOOK_FIXTURE_H_
