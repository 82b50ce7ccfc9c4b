// The C boundary of the engine: the two calculation exports and the host
// interface setter. No exception crosses it. Each call builds the engine
// context from the engine state and hands it to the driver; nothing of the
// call stays on the host's handle but the FtRou registration.
#include <exception>
#include <string>

#include "calc/calculation_driver.h"
#include "calc/context.h"
#include "data/database.h"
#include "data/page_cache.h"
#include "engine/setup.h"
#include "entry/engine_state.h"
#include "ftcalc/ftcalc.h"
#include "platform/os.h"

namespace ftcalc {
namespace {

// The steps every entry point runs before its operation: the paths, and the
// setup when asked (or when none has run yet). Returns false when there is
// no handle to work on.
bool EnterCall(EngineState& engine, ErrorSink& sink, sqlite3* db, const char* project_path,
               const char* library_path, int32_t skip_setup) {
  ProjectSettings& settings = engine.settings;
  settings.exe_dir = engine.ui.ExecutableDir();
  settings.project_path = HostArgumentText(project_path);
  settings.library_path = HostArgumentText(library_path);

  if (skip_setup == 0 || !engine.set_up) {
    if (db == nullptr) {
      sink.ReportDbError("数据库连接无效", settings.project_path);
      return false;
    }
    engine.handle = db;
    LoadSettings(settings);
    PrepareEngine(settings, engine.ftrou, db, settings.library_path);
    Database database(db, &sink, &engine.ftrou, settings.project_path);
    LoadParameters(database, settings);
    engine.set_up = true;
    return true;
  }
  // Skipping the setup reuses its state. A host that has since opened a
  // new connection passes a different handle: the engine drives that one
  // rather than a handle that may have been closed.
  if (db != nullptr) engine.handle = db;
  return engine.handle != nullptr;
}

template <typename Operation>
void RunCall(sqlite3* db, const char* project_path, const char* library_path, int32_t skip_setup,
             Operation operation) {
  EngineState& engine = TheEngine();
  ErrorWindowSink sink(engine.ui);
  try {
    if (!EnterCall(engine, sink, db, project_path, library_path, skip_setup)) return;
    Database database(engine.handle, &sink, &engine.ftrou, engine.settings.project_path);
    EngineContext ctx(database, engine.settings, engine.ui, CalcOptions::FromEnvironment());
    operation(ctx);
  } catch (const std::exception& e) {
    sink.ReportDbError(std::string("计算中断: ") + e.what(), engine.settings.project_path);
  } catch (...) {
    sink.ReportDbError("计算中断", engine.settings.project_path);
  }
}

}  // namespace
}  // namespace ftcalc

extern "C" {

FTCALC_EXPORT void FTCALC_CALL QwD_GcJsDw(int32_t, sqlite3* db, const char*,
                                          const char* project_path, const char* library_path,
                                          int32_t skip_setup) {
  ftcalc::RunCall(db, project_path, library_path, skip_setup, [](ftcalc::EngineContext& ctx) {
    // The full calculation only (see page_cache.h): a partial recalculation
    // reads most pages once, and a larger cache would only cost it memory.
    ftcalc::PageCacheForTheCall cache(ctx.db.handle());
    ftcalc::RunFullCalculation(ctx);
  });
}

FTCALC_EXPORT void FTCALC_CALL QwD_GcDbjs(int32_t, sqlite3* db, const char*,
                                          const char* project_path, const char* library_path,
                                          int32_t skip_setup, int32_t tree_kind,
                                          int32_t item_no) {
  ftcalc::RunCall(db, project_path, library_path, skip_setup, [&](ftcalc::EngineContext& ctx) {
    ftcalc::RecalculateItem(ctx, tree_kind, item_no);
  });
}

FTCALC_EXPORT void FTCALC_CALL FtSetHostInterface(const FtHostInterface* host) {
  try {
    ftcalc::TheEngine().ui.Install(host);
  } catch (...) {
  }
}

}  // extern "C"
