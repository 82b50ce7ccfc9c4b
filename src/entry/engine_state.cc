#include "entry/engine_state.h"

#include <sqlite3.h>

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

std::string EngineState::LibrarySchema() const {
  const std::string& alias = library_alias;
  bool plain = !alias.empty() && !(alias[0] >= '0' && alias[0] <= '9');
  for (char c : alias) {
    const unsigned char u = static_cast<unsigned char>(c);
    plain = plain && (u >= 0x80 || c == '_' || (c >= '0' && c <= '9') ||
                      (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
  }
  plain = plain && !sqlite3_keyword_check(alias.data(), static_cast<int>(alias.size()));
  if (plain || alias.empty()) return alias;
  std::string quoted = "\"";
  for (char c : alias) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
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
