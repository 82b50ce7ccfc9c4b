// ftcalc calc / recalc: run the engine on a project exactly as a host does.
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "calc_prechecks.h"
#include "commands.h"
#include "data/host_handle.h"
#include "data/transaction_watch.h"
#include "engine_library.h"
#include "platform/os.h"
#include "project_files.h"
#include "recording_host.h"
#include "run_summary.h"
#include "tree_problems.h"
#include "ui/terminal_host.h"

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
  double wait_seconds = kDefaultWaitSeconds;
};

// What an engine call left behind, beyond the errors the engine reported.
enum class Saved { kYes, kNo };

// The checks that refuse a project before the engine sees it: everything
// a later failure would otherwise report hundreds of times, or hide.
bool ReadyToCalculate(const CalcOptions& options, sqlite3* db, std::string* error) {
  return CheckLibraryTables(db, options.library, options.other, error) &&
         CheckProjectWritable(db, options.project, options.wait_seconds, error);
}

// The project and library paths as the engine's exports take them.
struct EnginePaths {
  std::string project;
  std::string library;
};

// `call` runs the engine and says whether its work was stored; a run that
// was not is reported by the call and exits 1 even when the engine
// reported nothing.
template <typename Call>
int RunEngine(const CalcOptions& options, bool warn_about_tree, Call call) {
  std::string error;
  EnginePaths paths;
  if (!EngineLibrary::ArgumentText(options.project, &paths.project, &error) ||
      !EngineLibrary::ArgumentText(options.library, &paths.library, &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  ProjectConnection connection;
  if (!connection.Open(options.project, options.library, options.other, &error,
                       options.wait_seconds) ||
      !ReadyToCalculate(options, connection.handle(), &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  EngineLibrary engine;
  if (!engine.Load(&error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  const std::string folder_warning =
      HostFolderWarning(options.exe_dir.empty() ? ExecutableDir() : options.exe_dir);
  if (!folder_warning.empty()) std::cerr << "ftcalc: " << folder_warning << "\n";
  if (warn_about_tree) {
    std::vector<TreeProblem> problems;
    if (FindTreeProblems(connection.handle(), &problems, &error) && !problems.empty()) {
      std::cerr << "ftcalc: warning: " << TreeWarning(problems, 10) << "\n";
    }
  }
  TransactionWatch watch(connection.handle());
  RecordingHost::Options host_options;
  if (!options.exe_dir.empty()) host_options.executable = options.exe_dir + kPathSeparator + "ftcalc";
  host_options.silent_progress = options.quiet;
  host_options.on_error = [&watch](const RunError& reported) { watch.NoteError(reported.message); };
  RecordingHost host(host_options);
  engine.set_host(host.interface());
  const auto start = std::chrono::steady_clock::now();
  const Saved saved = call(engine, connection.handle(), watch, paths);
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  engine.set_host(nullptr);
  if (options.json) {
    PrintRunSummaryJson(connection.handle(), host.errors(), elapsed.count(),
                        saved == Saved::kYes, std::cout);
  } else {
    PrintRunSummary(connection.handle(), static_cast<int>(host.errors().size()), saved == Saved::kYes, std::cout);
  }
  return !host.errors().empty() || saved == Saved::kNo ? 1 : 0;
}

// Whether the work watched was stored as one. A transaction still open is
// one whose commit failed: it is rolled back here, never left for the
// connection's close to drop. Anything else but a clean commit is said on
// stderr.
Saved Conclude(sqlite3* db, const TransactionWatch& watch, const std::string& what) {
  const TransactionWatch::Outcome outcome = watch.outcome();
  if (outcome == TransactionWatch::Outcome::kStored) return Saved::kYes;
  const std::string cause = watch.cause().empty() ? LastFailureMessage(db) : watch.cause();
  if (outcome == TransactionWatch::Outcome::kCommitFailed) {
    ExecOn(db, "rollback");
  }
  std::cerr << "ftcalc: " << TransactionWatch::Describe(outcome, what, cause) << "\n";
  return Saved::kNo;
}

void AddProjectOptions(CLI::App* command, CalcOptions& options) {
  command->add_option("project", options.project, "project database file")->required();
  command->add_option("--library", options.library, "library database (attached under its base name)")
      ->required();
  command->add_option("--other", options.other, "other-quota library (attached as 其他)")->required();
  command->add_option("--exe-dir", options.exe_dir,
                      "folder taken as the host's (User.INI and Tmp are written there)");
  AddWaitOption(command, options.wait_seconds);
  command->add_flag("--quiet", options.quiet, "no progress bar");
  command->add_flag("--json", options.json,
                    "print the run's summary as JSON (errors with statements, timing, totals)");
}

}  // namespace

void AddWaitOption(CLI::App* command, double& seconds) {
  command
      ->add_option("--wait", seconds,
                   "seconds to wait for another connection's lock on the project (default 5)")
      ->check(CLI::NonNegativeNumber);
}

void AddCalcCommands(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<CalcOptions>();
  CLI::App* calc = app.add_subcommand("calc", "full calculation of a project (QwD_GcJsDw)");
  AddProjectOptions(calc, *options);
  calc->callback([options, &exit_code] {
    exit_code = RunEngine(*options, true, [&](EngineLibrary& engine, sqlite3* db,
                                              const TransactionWatch& watch,
                                              const EnginePaths& paths) {
      engine.full(0, db, nullptr, paths.project.c_str(), paths.library.c_str(), 0);
      return Conclude(db, watch, "the calculation");
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
    exit_code = RunEngine(o, false, [&](EngineLibrary& engine, sqlite3* db,
                                        const TransactionWatch& watch, const EnginePaths& paths) {
      // The engine begins no transaction for a partial recalculation; this
      // host runs it inside one of its own, as a host saving an edit would,
      // so that its writes are stored together or not at all.
      DbError failure;
      if (!BeginProjectWrite(db, &failure)) {
        std::cerr << "ftcalc: the recalculation was not run: cannot begin its transaction ("
                  << failure.message << ")\n";
        return Saved::kNo;
      }
      engine.partial(0, db, nullptr, paths.project.c_str(), paths.library.c_str(), 0, o.kind,
                     o.item);
      // SQLite may have ended the transaction itself (a full disk, an I/O
      // error); the watch tells.
      if (InTransaction(db)) ExecOn(db, "commit");
      return Conclude(db, watch, "the recalculation");
    });
  });
}

}  // namespace ftcalc::cli
