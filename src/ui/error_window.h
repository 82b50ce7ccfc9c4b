// The database error window: the error message and the failing statement,
// shown through the host interface (terminal default: printed to stderr).
#ifndef FTCALC_UI_ERROR_WINDOW_H_
#define FTCALC_UI_ERROR_WINDOW_H_

#include <string>

namespace ftcalc {

void ShowErrorWindow(const std::string& message, const std::string& detail);

}  // namespace ftcalc

#endif  // FTCALC_UI_ERROR_WINDOW_H_
