// Stand-in for the host's message box in the standalone benchmark and fuzz
// builds: the check's warnings are computed but shown nowhere.
#include "ui/message_box.h"

namespace ftcalc {

void ShowMessageBox(const std::string&, const std::string&) {}

}  // namespace ftcalc
