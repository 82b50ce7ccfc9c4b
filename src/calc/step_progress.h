// The progress update every calculation step makes: the label followed by
// the project name, on the window's fixed scale of 1 to 100.
#ifndef FTCALC_CALC_STEP_PROGRESS_H_
#define FTCALC_CALC_STEP_PROGRESS_H_

#include <string>

namespace ftcalc {

void ShowStepProgress(const std::string& label, int position);

}  // namespace ftcalc

#endif  // FTCALC_CALC_STEP_PROGRESS_H_
