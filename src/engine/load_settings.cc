#include "engine/setup.h"
#include "platform/os.h"

namespace ftcalc {

void LoadSettings(ProjectSettings& settings) {
  settings.other_library_alias = "其他";
  settings.temp_dir = settings.exe_dir + "Tmp";
  if (PathKindOf(settings.temp_dir) == PathKind::kMissing) {
    MakeFolder(settings.temp_dir);  // silent when the folder cannot be made
  }
}

}  // namespace ftcalc
