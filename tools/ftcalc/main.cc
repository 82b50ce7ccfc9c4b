// ftcalc: the command-line host of the calculation engine.
#include <CLI/CLI.hpp>

#include "commands.h"

int main(int argc, char** argv) {
  CLI::App app{"ftcalc - recalculates a cost-estimate project database in place"};
  app.set_version_flag("--version", "ftcalc " FTCALC_VERSION);
  app.require_subcommand(1);
  int exit_code = 0;
  ftcalc::cli::AddCalcCommands(app, exit_code);
  ftcalc::cli::AddSqlCommand(app, exit_code);
  ftcalc::cli::AddFormulaCommands(app, exit_code);
  ftcalc::cli::AddCheckCommand(app, exit_code);
  ftcalc::cli::AddExplainCommand(app, exit_code);
  ftcalc::cli::AddReportCommand(app, exit_code);
  ftcalc::cli::AddExportCommand(app, exit_code);
  ftcalc::cli::AddDiffCommand(app, exit_code);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int rc = app.exit(e);
    return rc == 0 ? 0 : 2;
  }
  return exit_code;
}
