#include "support/test_project.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "data/database.h"
#include "entry/engine_state.h"
#include "ftcalc/ftcalc.h"

namespace ftcalc::testing {
namespace {

std::vector<CapturedError>& Captured() {
  static std::vector<CapturedError> errors;
  return errors;
}

std::string& ExePath() {
  static std::string path;
  return path;
}

const char* TestExecutablePath(void*) { return ExePath().c_str(); }

void CaptureDbError(void*, const char* message, const char* detail) {
  Captured().push_back({message ? message : "", detail ? detail : ""});
}

void IgnoreMessage(void*, const char*, const char*) {}

void ExecOrFail(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  ASSERT_EQ(rc, SQLITE_OK) << (error ? error : "") << "\nin: " << sql.substr(0, 400);
  sqlite3_free(error);
}

void MakeDatabase(const std::string& path, const std::string& schema_file) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ExecOrFail(db, "pragma synchronous=off; begin;" + ReadTextFile(schema_file) + "; commit;");
  sqlite3_close(db);
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

TestProject::TestProject() {
  char pattern[] = "/tmp/ftcalc-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  EXPECT_NE(made, nullptr);
  dir_ = made ? made : "/tmp";
  const std::string schema = std::string(FTCALC_SOURCE_DIR) + "/examples/schema/";
  MakeDatabase(dir_ + "/project.db", schema + "project.sql");
  MakeDatabase(dir_ + "/RoadLib.db", schema + "library.sql");
  MakeDatabase(dir_ + "/Other.db", schema + "other.sql");
  EXPECT_EQ(sqlite3_open((dir_ + "/project.db").c_str(), &db_), SQLITE_OK);
  Exec("attach database '" + dir_ + "/RoadLib.db' as RoadLib;"
       "attach database '" + dir_ + "/Other.db' as 其他;"
       // Throw-away databases: no need to wait for the disk on every write.
       "pragma main.synchronous=off; pragma RoadLib.synchronous=off; pragma 其他.synchronous=off;"
       "pragma main.journal_mode=memory;");

  ExePath() = dir_ + "/host";
  FtHostInterface host{};
  host.executable_path = TestExecutablePath;
  host.show_db_error = CaptureDbError;
  host.show_message = IgnoreMessage;
  FtSetHostInterface(&host);
  Captured().clear();
}

// The pieces of one call's context: the error sink, the session on the
// handle and the context built on them.
struct TestProject::CallContext {
  CallContext(sqlite3* db, CalcOptions options)
      : sink(TheEngine().ui),
        database(db, &sink, &TheEngine().ftrou, TheEngine().settings.project_path),
        context(database, TheEngine().settings, TheEngine().ui, options) {}
  ErrorWindowSink sink;
  Database database;
  EngineContext context;
};

EngineContext& TestProject::Context() { return Context(CalcOptions::FromEnvironment()); }

EngineContext& TestProject::Context(CalcOptions options) {
  if (!TheEngine().set_up) SetUpEngine();
  if (!context_ || context_->context.options.fast_paths != options.fast_paths) {
    context_.reset();
    context_ = std::make_unique<CallContext>(db_, options);
  }
  return context_->context;
}

const ProjectSettings& TestProject::Settings() const { return TheEngine().settings; }

TestProject::~TestProject() {
  context_.reset();
  FtSetHostInterface(nullptr);
  // A test that called a step directly (outside an export) may have left
  // engine statements on the handle; release them before closing it.
  ReleaseEngine();
  if (db_) {
    EXPECT_EQ(sqlite3_close(db_), SQLITE_OK) << "statements left open on the handle";
  }
  std::string command = "rm -rf '" + dir_ + "'";
  if (dir_.rfind("/tmp/ftcalc-test-", 0) == 0) {
    int rc = std::system(command.c_str());
    (void)rc;
  }
}

void TestProject::set_executable_path(const std::string& path) { ExePath() = path; }

void TestProject::Exec(const std::string& sql) { ExecOrFail(db_, sql); }

void TestProject::LoadSample() {
  const std::string sample = std::string(FTCALC_SOURCE_DIR) + "/examples/sample/";
  Exec(ReadTextFile(sample + "project.sql"));
  // The library and other-quota rows go into the attached databases.
  std::string library = ReadTextFile(sample + "library.sql");
  std::string other = ReadTextFile(sample + "other.sql");
  sqlite3* lib = nullptr;
  ASSERT_EQ(sqlite3_open(library_path().c_str(), &lib), SQLITE_OK);
  ExecOrFail(lib, library);
  sqlite3_close(lib);
  sqlite3* oth = nullptr;
  ASSERT_EQ(sqlite3_open((dir_ + "/Other.db").c_str(), &oth), SQLITE_OK);
  ExecOrFail(oth, other);
  sqlite3_close(oth);
}

void TestProject::DeclareIntegerKey(const std::string& table, const std::string& column) {
  ASSERT_EQ(Number("select count(*) from \"" + table + "\""), 0) << table << " holds rows";
  std::string columns;
  for (const std::string& row :
       Rows("select name||' '||type from pragma_table_info('" + table + "') order by cid")) {
    const std::string name = row.substr(0, row.find(' '));
    columns += (columns.empty() ? "" : ",") + (name == column ? name + " INTEGER PRIMARY KEY" : row);
  }
  Exec("drop table \"" + table + "\"; create table \"" + table + "\"(" + columns + ")");
}

std::vector<std::string> TestProject::Rows(const std::string& sql) {
  std::vector<std::string> rows;
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
  EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(db_) << "\nin: " << sql;
  if (rc != SQLITE_OK) return rows;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::string row;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      if (i) row += "|";
      const unsigned char* text = sqlite3_column_text(stmt, i);
      row += text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    rows.push_back(row);
  }
  sqlite3_finalize(stmt);
  return rows;
}

std::string TestProject::Text(const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
  EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(db_) << "\nin: " << sql;
  std::string out;
  if (rc == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(stmt, 0);
    if (text) out = reinterpret_cast<const char*>(text);
  }
  sqlite3_finalize(stmt);
  return out;
}

double TestProject::Number(const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
  EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(db_) << "\nin: " << sql;
  double out = 0;
  if (rc == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) out = sqlite3_column_double(stmt, 0);
  sqlite3_finalize(stmt);
  return out;
}

std::string TestProject::Type(const std::string& sql) {
  return Text("select typeof((" + sql + "))");
}

void TestProject::SetUpEngine() {
  context_.reset();
  Recalc(0, 0, 0);
}

void TestProject::RunFull(int skip_setup) {
  QwD_GcJsDw(0, db_, nullptr, project_path().c_str(), library_path().c_str(), skip_setup);
}

void TestProject::Recalc(int item_no, int kind, int skip_setup) {
  QwD_GcDbjs(0, db_, nullptr, project_path().c_str(), library_path().c_str(), skip_setup, kind,
             item_no);
}

const std::vector<CapturedError>& TestProject::errors() const { return Captured(); }

void TestProject::ClearErrors() { Captured().clear(); }

}  // namespace ftcalc::testing
