// The subcommands of the ftcalc host. Each Add*Command registers one
// subcommand on the application; its callback stores the process exit code
// in `exit_code` (0 success, 1 errors reported or problems found, 2 bad
// usage or a file that cannot be opened).
#ifndef FTCALC_TOOLS_COMMANDS_H_
#define FTCALC_TOOLS_COMMANDS_H_

#include <CLI/CLI.hpp>

namespace ftcalc::cli {

void AddCalcCommands(CLI::App& app, int& exit_code);     // calc, recalc
void AddSqlCommand(CLI::App& app, int& exit_code);       // sql
void AddFormulaCommands(CLI::App& app, int& exit_code);  // eval, subst
void AddCheckCommand(CLI::App& app, int& exit_code);     // check
void AddExplainCommand(CLI::App& app, int& exit_code);   // explain
void AddReportCommand(CLI::App& app, int& exit_code);    // report
void AddExportCommand(CLI::App& app, int& exit_code);    // export
void AddDiffCommand(CLI::App& app, int& exit_code);      // diff

// --wait SECONDS on a command that writes: how long it waits for another
// connection's lock (a non-negative number).
void AddWaitOption(CLI::App* command, double& seconds);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_COMMANDS_H_
