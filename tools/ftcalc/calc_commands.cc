// ftcalc calc / recalc: run the engine on a project exactly as a host does.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "engine_library.h"
#include "project_files.h"
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

// The host side of one engine call: counts and prints the engine's
// database errors, and answers the executable path.
struct HostContext {
  std::string executable;
  int errors = 0;
  std::vector<RunError> reported;
};

const char* ExecutablePath(void* context) {
  auto* host = static_cast<HostContext*>(context);
  return host->executable.empty() ? nullptr : host->executable.c_str();
}

void PrintDbError(void* context, const char* message, const char* detail) {
  auto* host = static_cast<HostContext*>(context);
  ++host->errors;
  host->reported.push_back({message ? message : "", detail ? detail : ""});
  std::fprintf(stderr, "\n数据库错误: %s\n    %s\n", message ? message : "", detail ? detail : "");
}

void PrintWarning(void*, const char* caption, const char* text) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
}

void SilentOpen(void*, const char*, int) {}
void SilentShow(void*, const char*, const char*, int, int) {}
int NeverCancelled(void*) { return 0; }
void SilentClose(void*) {}

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
  HostContext context;
  if (!options.exe_dir.empty()) context.executable = options.exe_dir + "/ftcalc";
  FtHostInterface host{};
  host.context = &context;
  host.executable_path = ExecutablePath;
  host.show_db_error = PrintDbError;
  host.show_message = PrintWarning;
  if (options.quiet) {
    host.progress_open = SilentOpen;
    host.progress_show = SilentShow;
    host.progress_cancelled = NeverCancelled;
    host.progress_close = SilentClose;
  }
  engine.set_host(&host);
  const auto start = std::chrono::steady_clock::now();
  call(engine, connection.handle());
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  engine.set_host(nullptr);
  if (options.json) {
    PrintRunSummaryJson(connection.handle(), context.reported, elapsed.count(), std::cout);
  } else {
    PrintRunSummary(connection.handle(), context.errors, std::cout);
  }
  return context.errors > 0 ? 1 : 0;
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
