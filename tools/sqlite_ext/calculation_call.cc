#include "calculation_call.h"

#include <chrono>
#include <mutex>
#include <sstream>
#include <vector>

#include "data/host_handle.h"
#include "data/transaction_watch.h"
#include "engine/setup.h"
#include "ftcalc/ftcalc.h"
#include "project_files.h"
#include "recording_host.h"
#include "run_summary.h"

namespace ftcalc::ext {
namespace {

// The engine keeps one state per process, so calls from connections on
// different threads take turns; a call made from inside a call (a trigger
// fired by the calculation's own writes) is refused rather than deadlocked.
std::mutex g_call_mutex;
thread_local bool t_in_call = false;

std::string& DefaultExecutable() {
  static std::string* path = new std::string;  // never destroyed: used until unload
  return *path;
}

class InCallMark {
 public:
  InCallMark() { t_in_call = true; }
  ~InCallMark() { t_in_call = false; }
  InCallMark(const InCallMark&) = delete;
  InCallMark& operator=(const InCallMark&) = delete;
};

// The libraries attached for one call, detached again in reverse order
// when it ends, whatever happened in between.
class AttachedLibraries {
 public:
  explicit AttachedLibraries(sqlite3* db) : db_(db) {}
  ~AttachedLibraries() {
    std::string ignored;
    DetachAll(&ignored);
  }
  AttachedLibraries(const AttachedLibraries&) = delete;
  AttachedLibraries& operator=(const AttachedLibraries&) = delete;

  bool Attach(const std::string& path, const std::string& alias, std::string* error) {
    if (!cli::AttachDatabase(db_, path, alias, error)) return false;
    aliases_.push_back(alias);
    return true;
  }
  // False (with the first message) when one could not be detached.
  bool DetachAll(std::string* error) {
    bool detached = true;
    while (!aliases_.empty()) {
      std::string message;
      if (!cli::DetachDatabase(db_, aliases_.back(), &message) && detached) {
        *error = message;
        detached = false;
      }
      aliases_.pop_back();
    }
    return detached;
  }

 private:
  sqlite3* db_;
  std::vector<std::string> aliases_;
};

// The host interface installed for one call; the default is back when the
// call ends, however it ends (the interface points into the call's frame).
class InstalledHost {
 public:
  explicit InstalledHost(const FtHostInterface* host) { FtSetHostInterface(host); }
  ~InstalledHost() { FtSetHostInterface(nullptr); }
  InstalledHost(const InstalledHost&) = delete;
  InstalledHost& operator=(const InstalledHost&) = delete;
};

bool Run(sqlite3* db, const char* sql, std::string* error) {
  DbError failure;
  if (ExecOn(db, sql, &failure)) return true;
  *error = failure.message;
  return false;
}

// Everything that can refuse the call, checked before anything is touched.
bool CheckCanRun(sqlite3* db, const CalculationRequest& request, std::string* error) {
  if (t_in_call) {
    *error = "cannot be called while a calculation is running";
    return false;
  }
  // The full calculation begins and commits its own transaction, and the
  // libraries can only be detached when no transaction reads them; a
  // partial recalculation is committed as one transaction too. So the
  // caller's connection must be outside any transaction, the calling
  // statement included (it must read no table).
  if (!IsIdle(db)) {
    *error =
        "cannot run inside an open transaction (the calculation commits its own work): commit or "
        "roll back first, and call it in a statement of its own, such as select "
        "ftcalc_calculate(...)";
    return false;
  }
  if (IsReadOnly(db, "main")) {
    *error = "the project database is open read-only";
    return false;
  }
  return cli::CheckDatabaseFile("library database", request.library_path, error) &&
         cli::CheckDatabaseFile("other-quota database", request.other_path, error);
}

std::string ExecutablePath(const std::string& exe_dir) {
  return exe_dir.empty() ? DefaultExecutable() : exe_dir + "/ftcalc_ext.so";
}

// The engine call itself; false when its work could not be committed.
bool CallEngine(sqlite3* db, const CalculationRequest& request, const std::string& project,
                std::string* error) {
  const std::string& library = request.library_path;
  if (!request.partial) {
    QwD_GcJsDw(0, db, nullptr, project.c_str(), library.c_str(), 0);
    // The engine commits whatever failed; a transaction still open means the
    // commit itself failed (the file is busy or full), and the work is undone.
    if (!InTransaction(db)) return true;
    *error = "the calculation could not be committed (" + LastFailureMessage(db) +
             "); it was rolled back and the project is unchanged";
    std::string ignored;
    Run(db, "rollback", &ignored);
    return false;
  }
  // The engine begins no transaction for a partial recalculation; its
  // writes are stored together, as a host saving an edit stores them.
  if (!Run(db, "begin", error)) return false;
  QwD_GcDbjs(0, db, nullptr, project.c_str(), library.c_str(), 0, request.tree_kind,
             request.item_no);
  if (Run(db, "commit", error)) return true;
  *error = "the recalculation could not be committed (" + *error +
           "); it was rolled back and the project is unchanged";
  std::string ignored;
  Run(db, "rollback", &ignored);
  return false;
}

}  // namespace

void SetDefaultExecutable(const std::string& path) { DefaultExecutable() = path; }

bool RunCalculation(sqlite3* db, const CalculationRequest& request, std::string* summary,
                    std::string* error) {
  if (!CheckCanRun(db, request, error)) return false;
  std::lock_guard<std::mutex> lock(g_call_mutex);
  InCallMark mark;

  AttachedLibraries libraries(db);
  if (!libraries.Attach(request.library_path, FileBaseName(request.library_path), error) ||
      !libraries.Attach(request.other_path, "其他", error)) {
    return false;
  }
  const std::string project = FileNameOf(db, "main");

  cli::RecordingHost::Options options;
  options.executable = ExecutablePath(request.exe_dir);
  options.print_messages = false;  // they are listed in the summary
  options.silent_progress = true;
  std::vector<cli::RunError> errors;
  std::chrono::duration<double, std::milli> elapsed{};
  bool saved = false;
  {
    // The engine returns nothing to say whether its work was kept; the
    // watch tells it from the transactions the call ended. It holds the
    // connection's trace and commit and rollback hooks meanwhile.
    TransactionWatch watch(db);
    options.on_error = [&watch](const cli::RunError& reported) {
      watch.NoteError(reported.message);
    };
    cli::RecordingHost host(options);
    InstalledHost installed(host.interface());
    const auto start = std::chrono::steady_clock::now();
    const bool committed = CallEngine(db, request, project, error);
    elapsed = std::chrono::steady_clock::now() - start;
    if (!committed) return false;
    saved = watch.outcome() == TransactionWatch::Outcome::kStored;
    errors = host.errors();
  }

  // Read while the libraries are attached, as ftcalc reads it.
  std::ostringstream json;
  cli::PrintRunSummaryJson(db, errors, elapsed.count(), saved, json);
  std::string message;
  if (!libraries.DetachAll(&message)) {
    *error = "the work is committed, but " + message;
    return false;
  }
  // The text without the line end that ends the printed form.
  *summary = json.str();
  if (!summary->empty() && summary->back() == '\n') summary->pop_back();
  return true;
}

}  // namespace ftcalc::ext
