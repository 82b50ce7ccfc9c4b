// ftcalc calc / recalc: run the engine on a project exactly as a host does.
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "engine_library.h"
#include "project_files.h"
#include "recording_host.h"
#include "run_summary.h"

namespace ftcalc::cli {
namespace {

struct CalcOptions {
  std::string project;
  std::string library;
  std::string other;
  std::string exe_dir;
  bool quiet = false;
  bool json = false;
  int kind = 1;
  int item = 0;
};

template <typename Call>
int RunEngine(const CalcOptions& options, Call call) {
  std::string error;
  ProjectConnection connection;
  if (!connection.Open(options.project, options.library, options.other, &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  EngineLibrary engine;
  if (!engine.Load(&error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  RecordingHost::Options host_options;
  if (!options.exe_dir.empty()) host_options.executable = options.exe_dir + "/ftcalc";
  host_options.silent_progress = options.quiet;
  RecordingHost host(host_options);
  engine.set_host(host.interface());
  const auto start = std::chrono::steady_clock::now();
  call(engine, connection.handle());
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  engine.set_host(nullptr);
  if (options.json) {
    PrintRunSummaryJson(connection.handle(), host.errors(), elapsed.count(), std::cout);
  } else {
    PrintRunSummary(connection.handle(), static_cast<int>(host.errors().size()), std::cout);
  }
  return host.errors().empty() ? 0 : 1;
}

void AddProjectOptions(CLI::App* command, CalcOptions& options) {
  command->add_option("project", options.project, "project database file")->required();
  command->add_option("--library", options.library, "library database (attached under its base name)")
      ->required();
  command->add_option("--other", options.other, "other-quota library (attached as 其他)")->required();
  command->add_option("--exe-dir", options.exe_dir,
                      "folder taken as the host's (User.INI and Tmp are written there)");
  command->add_flag("--quiet", options.quiet, "no progress bar");
  command->add_flag("--json", options.json,
                    "print the run's summary as JSON (errors with statements, timing, totals)");
}

}  // namespace

void AddCalcCommands(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<CalcOptions>();
  CLI::App* calc = app.add_subcommand("calc", "full calculation of a project (QwD_GcJsDw)");
  AddProjectOptions(calc, *options);
  calc->callback([options, &exit_code] {
    exit_code = RunEngine(*options, [&](EngineLibrary& engine, sqlite3* db) {
      engine.full(0, db, nullptr, options->project.c_str(), options->library.c_str(), 0);
    });
  });

  auto recalc_options = std::make_shared<CalcOptions>();
  CLI::App* recalc =
      app.add_subcommand("recalc", "recalculate one edited row and its ancestors (QwD_GcDbjs)");
  AddProjectOptions(recalc, *recalc_options);
  recalc->add_option("--kind", recalc_options->kind, "tree kind (1 = the bill tree)")->required();
  recalc->add_option("--item", recalc_options->item, "编号 of the edited row")->required();
  recalc->callback([recalc_options, &exit_code] {
    const CalcOptions& o = *recalc_options;
    exit_code = RunEngine(o, [&](EngineLibrary& engine, sqlite3* db) {
      // The engine begins no transaction for a partial recalculation; this
      // host runs it inside one of its own, as a host saving an edit would,
      // so that its writes are stored together (and not one sync each).
      const bool in_transaction = sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) == SQLITE_OK;
      engine.partial(0, db, nullptr, o.project.c_str(), o.library.c_str(), 0, o.kind, o.item);
      if (in_transaction && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::cerr << "ftcalc: the recalculation could not be committed: " << sqlite3_errmsg(db)
                  << "\n";
      }
    });
  });
}

}  // namespace ftcalc::cli
