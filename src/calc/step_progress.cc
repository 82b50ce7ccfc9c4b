#include "calc/step_progress.h"

#include "entry/engine_state.h"
#include "ui/progress.h"

namespace ftcalc {

void ShowStepProgress(const std::string& label, int position) {
  const std::string& name = Engine().project_name;
  ShowProgress(name, label + name, 1, 100, position, kProgressUpdate, true);
}

}  // namespace ftcalc
