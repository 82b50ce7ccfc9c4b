// ftcalc: the command-line host of the calculation engine.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "command_line.h"
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
#ifndef FTCALC_NO_WORKBOOKS
  ftcalc::cli::AddExportCommand(app, exit_code);
  ftcalc::cli::AddDiffCommand(app, exit_code);
#endif
  std::vector<std::string> arguments = ftcalc::cli::CommandLineArguments(argc, argv);
  std::vector<const char*> pointers;
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(pointers.size()), pointers.data());
  } catch (const CLI::ParseError& e) {
    int rc = app.exit(e);
    return rc == 0 ? 0 : 2;
  }
  return exit_code;
}
