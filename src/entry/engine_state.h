// The state one loaded engine keeps between calls: what the last setup
// read, the host's handle it adopted, the FtRou registrations on the hosts'
// handles and the host interface. Only the entry points reach it; they
// build each call's EngineContext from it and pass that down.
#ifndef FTCALC_ENTRY_ENGINE_STATE_H_
#define FTCALC_ENTRY_ENGINE_STATE_H_

#include "calc/context.h"
#include "data/ftrou.h"
#include "ui/host.h"

namespace ftcalc {

struct EngineState {
  ProjectSettings settings;
  // The host's handle of the last setup (or of the last call that passed
  // one); never closed by the engine.
  sqlite3* handle = nullptr;
  bool set_up = false;
  FtRouRegistration ftrou;
  HostUi ui;
};

// The one engine state of this loaded library.
EngineState& TheEngine();

// At library unload: removes the FtRou registrations from the handles that
// are still open and forgets the setup.
void ReleaseEngine();

}  // namespace ftcalc

#endif  // FTCALC_ENTRY_ENGINE_STATE_H_
