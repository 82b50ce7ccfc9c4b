// The library is being unloaded from the host process (dlclose).
#include "entry/engine_state.h"

__attribute__((destructor)) static void ReleaseEngineAtUnload() { ftcalc::ReleaseEngine(); }
