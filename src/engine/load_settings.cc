#include <sys/stat.h>

#include "engine/setup.h"
#include "entry/engine_state.h"

namespace ftcalc {

void LoadSettings() {
  EngineState& engine = Engine();
  engine.other_library_alias = "其他";
  engine.temp_dir = engine.exe_dir + "Tmp";
  struct stat info;
  if (stat(engine.temp_dir.c_str(), &info) != 0) {
    mkdir(engine.temp_dir.c_str(), 0777);  // silent when the folder cannot be made
  }
}

}  // namespace ftcalc
