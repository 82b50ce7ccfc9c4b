#include "entry/engine_state.h"

namespace ftcalc {

EngineState& TheEngine() {
  // Never destroyed: the library's unload hook releases what it holds, and
  // no exit-time destructor may run after (or before) that hook.
  static EngineState* state = new EngineState;
  return *state;
}

void ReleaseEngine() {
  EngineState& engine = TheEngine();
  engine.ftrou.RemoveAll();
  engine.handle = nullptr;
  engine.set_up = false;
}

}  // namespace ftcalc
