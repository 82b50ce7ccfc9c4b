// The C boundary of the engine: the two calculation exports and the host
// interface setter. No exception crosses it; every call leaves nothing of
// the engine on the host's handle when it returns.
#include <exception>
#include <string>

#include "calc/calculation_driver.h"
#include "data/sql_exec.h"
#include "engine/setup.h"
#include "entry/engine_state.h"
#include "ftcalc/ftcalc.h"
#include "ui/host.h"

namespace ftcalc {
namespace {

// Ends a call whatever happened inside it: statements finalized, the FtRou
// registration removed, the fetched rows freed.
class CallScope {
 public:
  CallScope() = default;
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;
  ~CallScope() {
    EngineState& engine = Engine();
    for (auto& query : engine.queries) {
      if (query) {
        query->Close();
        query->ReleaseStatements();
      }
    }
    if (engine.connection) engine.connection->ClearCache();
    if (engine.data_module) engine.data_module->Deactivate();
  }
};

// The steps every entry point runs before its operation. Returns false when
// there is nothing to work on.
bool EnterCall(sqlite3* db, const char* project_path, const char* library_path,
               int32_t skip_setup) {
  EngineState& engine = Engine();
  engine.exe_dir = HostExecutableDir();
  engine.project_path = project_path ? project_path : "";
  engine.library_path = library_path ? library_path : "";

  if (skip_setup == 0 || !engine.set_up()) {
    if (db == nullptr) {
      ShowDbError("数据库连接无效", engine.project_path);
      return false;
    }
    LoadSettings();
    PrepareEngine(db, engine.library_path);
    LoadParameters();
    return true;
  }
  // Skipping the setup reuses its state. A host that has since opened a
  // new connection passes a different handle: the engine drives that one
  // rather than a handle that may have been closed.
  if (db != nullptr && db != engine.connection->handle()) {
    engine.connection = std::make_unique<Connection>(db);
  }
  return engine.connection->handle() != nullptr;
}

template <typename Operation>
void RunCall(sqlite3* db, const char* project_path, const char* library_path, int32_t skip_setup,
             Operation operation) {
  try {
    CallScope scope;
    if (EnterCall(db, project_path, library_path, skip_setup)) operation();
  } catch (const std::exception& e) {
    ShowDbError(std::string("计算中断: ") + e.what(), Engine().project_path);
  } catch (...) {
    ShowDbError("计算中断", Engine().project_path);
  }
}

}  // namespace
}  // namespace ftcalc

extern "C" {

FTCALC_EXPORT void FTCALC_CALL QwD_GcJsDw(int32_t, sqlite3* db, const char*,
                                          const char* project_path, const char* library_path,
                                          int32_t skip_setup) {
  ftcalc::RunCall(db, project_path, library_path, skip_setup,
                  [] { ftcalc::RunFullCalculation(); });
}

FTCALC_EXPORT void FTCALC_CALL QwD_GcDbjs(int32_t, sqlite3* db, const char*,
                                          const char* project_path, const char* library_path,
                                          int32_t skip_setup, int32_t tree_kind,
                                          int32_t item_no) {
  ftcalc::RunCall(db, project_path, library_path, skip_setup,
                  [&] { ftcalc::RecalculateItem(tree_kind, item_no); });
}

FTCALC_EXPORT void FTCALC_CALL FtSetHostInterface(const FtHostInterface* host) {
  try {
    ftcalc::SetHostInterface(host);
  } catch (...) {
  }
}

}  // extern "C"

// The library is being unloaded from the host process.
__attribute__((destructor)) static void ReleaseEngineAtUnload() { ftcalc::ReleaseEngine(); }
