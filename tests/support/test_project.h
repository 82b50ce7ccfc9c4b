// A project for tests: the three databases of the trial schema in a fresh
// temporary folder, opened and attached as a host does, with the engine's
// errors captured instead of printed.
#ifndef FTCALC_TESTS_SUPPORT_TEST_PROJECT_H_
#define FTCALC_TESTS_SUPPORT_TEST_PROJECT_H_

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "calc/context.h"

namespace ftcalc::testing {

struct CapturedError {
  std::string message;
  std::string detail;
};

class TestProject {
 public:
  // Creates project.db, RoadLib.db and Other.db from examples/schema/*.sql
  // (the schema only, no rows) in a new temporary folder, opens project.db
  // and attaches RoadLib.db as RoadLib and Other.db as 其他. The folder is
  // also the host's executable folder (User.INI, Tmp).
  TestProject();
  ~TestProject();
  TestProject(const TestProject&) = delete;
  TestProject& operator=(const TestProject&) = delete;

  sqlite3* db() const { return db_; }
  // The host's executable path as the engine sees it (default: dir()/host).
  void set_executable_path(const std::string& path);
  const std::string& dir() const { return dir_; }
  std::string project_path() const { return dir_ + "/project.db"; }
  std::string library_path() const { return dir_ + "/RoadLib.db"; }

  // Runs SQL (several statements allowed) and fails the test on error.
  void Exec(const std::string& sql);
  // Loads the sample project's rows (examples/sample/*.sql).
  void LoadSample();
  // Declares `column` of the empty project table `table` its INTEGER PRIMARY
  // KEY, the other columns as they were: the layout of a host that keys its
  // material or fee lines across the whole table, which the trial schema
  // does not.
  void DeclareIntegerKey(const std::string& table, const std::string& column);
  // First column of the first row as SQLite's text ("" for NULL / no row).
  std::string Text(const std::string& sql);
  double Number(const std::string& sql);
  // typeof() of the first column of the first row.
  std::string Type(const std::string& sql);
  // Every row, columns joined by "|" (NULL shown as "NULL").
  std::vector<std::string> Rows(const std::string& sql);

  // Runs the setup only (a partial recalculation of tree kind 0), so that a
  // test can then call one step function directly through Context().
  void SetUpEngine();
  // The engine context of a call on this project with the settings of the
  // last setup; its errors are captured like the exports' ones. Fast paths
  // as FTCALC_PLAIN says, unless a test fixes them with `options`.
  EngineContext& Context();
  EngineContext& Context(CalcOptions options);
  // The engine settings of the last setup.
  const ProjectSettings& Settings() const;
  // Calls the exported entry points, with this project's paths.
  void RunFull(int skip_setup = 0);
  void Recalc(int item_no, int kind = 1, int skip_setup = 0);

  // Errors reported by the engine since the last ClearErrors().
  const std::vector<CapturedError>& errors() const;
  void ClearErrors();

 private:
  struct CallContext;

  std::string dir_;
  sqlite3* db_ = nullptr;
  std::unique_ptr<CallContext> context_;
};

// Reads a whole file; fails the test when it cannot.
std::string ReadTextFile(const std::string& path);

}  // namespace ftcalc::testing

#endif  // FTCALC_TESTS_SUPPORT_TEST_PROJECT_H_
