#include "entry/engine_state.h"

#include "data/ftrou.h"

namespace ftcalc {

void DataModule::Refresh(sqlite3* db) {
  Deactivate();
  if (db == nullptr) return;
  if (RegisterFtRou(db) == SQLITE_OK) active_on_ = db;
}

void DataModule::Deactivate() {
  if (active_on_ != nullptr) UnregisterFtRou(active_on_);
  active_on_ = nullptr;
}

EngineState& Engine() {
  // Never destroyed: the library's unload hook releases its objects, and no
  // exit-time destructor may run after (or before) that hook.
  static EngineState* state = new EngineState;
  return *state;
}

void RefreshFtRou() {
  EngineState& engine = Engine();
  if (engine.data_module && engine.connection) engine.data_module->Refresh(engine.connection->handle());
}

void ReleaseEngine() {
  EngineState& engine = Engine();
  // The handle is the host's: only what the engine put on it during the
  // current call is removed (EndCall does that); here the objects go.
  engine.connection.reset();
  engine.data_module.reset();
  for (auto& query : engine.queries) query.reset();
}

}  // namespace ftcalc
