// The OK-only message box through which the formula check explains a
// rejection. Shown through the installed host interface; the terminal
// default prints caption and text to stderr.
#ifndef FTCALC_UI_MESSAGE_BOX_H_
#define FTCALC_UI_MESSAGE_BOX_H_

#include <string>

namespace ftcalc {

// Blocks until the host's box is closed. Texts are UTF-8.
void ShowMessageBox(const std::string& caption, const std::string& text);

}  // namespace ftcalc

#endif  // FTCALC_UI_MESSAGE_BOX_H_
