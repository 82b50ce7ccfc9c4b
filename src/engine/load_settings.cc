#include <sys/stat.h>

#include "engine/setup.h"

namespace ftcalc {

void LoadSettings(ProjectSettings& settings) {
  settings.other_library_alias = "其他";
  settings.temp_dir = settings.exe_dir + "Tmp";
  struct stat info;
  if (stat(settings.temp_dir.c_str(), &info) != 0) {
    mkdir(settings.temp_dir.c_str(), 0777);  // silent when the folder cannot be made
  }
}

}  // namespace ftcalc
