// ftcalc sql: one statement on a project, with FtRou registered, rows
// printed tab-separated (numbers in SQLite's own text form, NULL empty).
#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "data/db_error.h"
#include "data/ftrou.h"
#include "data/sqlite_handle.h"
#include "project_files.h"

namespace ftcalc::cli {
namespace {

struct SqlOptions {
  std::string database;
  std::string library;
  std::string other;
  std::string statement;
  double wait_seconds = kDefaultWaitSeconds;
};

int RunStatement(const SqlOptions& options) {
  std::string error;
  ProjectConnection connection;
  if (!connection.Open(options.database, options.library, options.other, &error,
                       options.wait_seconds)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  sqlite3* db = connection.handle();
  FtRouRegistration ftrou;
  ftrou.Register(db);
  Statement stmt;
  int rc = stmt.Prepare(db, options.statement);
  if (rc != SQLITE_OK) {
    std::cerr << "ftcalc: " << DbError::FromHandle(db, rc).message << "\n    " << options.statement
              << "\n";
    return 1;
  }
  // Text with no statement in it (blanks, a comment) runs nothing.
  if (!stmt.IsPrepared()) return 0;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    for (int i = 0; i < stmt.ColumnCount(); ++i) {
      if (i) std::cout << '\t';
      std::cout << stmt.ColumnText(i);
    }
    std::cout << '\n';
  }
  if (rc != SQLITE_DONE) {
    std::cerr << "ftcalc: " << DbError::FromHandle(db, rc).message << "\n    " << options.statement
              << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

void AddSqlCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<SqlOptions>();
  CLI::App* sql = app.add_subcommand("sql", "run one statement with FtRou registered");
  sql->add_option("database", options->database, "project database file")->required();
  sql->add_option("statement", options->statement, "the SQL statement")->required();
  sql->add_option("--library", options->library, "library database (attached under its base name)");
  sql->add_option("--other", options->other, "other-quota library (attached as 其他)");
  AddWaitOption(sql, options->wait_seconds);
  sql->callback([options, &exit_code] { exit_code = RunStatement(*options); });
}

}  // namespace ftcalc::cli
