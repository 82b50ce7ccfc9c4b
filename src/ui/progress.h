// The progress window, driven through one operation. The engine keeps the
// window's state (existence, Cancelled, bar range) here; drawing is the
// host's (or the terminal default's).
#ifndef FTCALC_UI_PROGRESS_H_
#define FTCALC_UI_PROGRESS_H_

#include <string>

namespace ftcalc {

enum ProgressMode { kProgressOpen = 1, kProgressUpdate = 2, kProgressQuery = 3, kProgressClose = 4 };

// mode 0 or 1 open, 2 update, 3 query, 4 close; any other mode does nothing
// and returns true. See the modes' results in progress.cc.
bool ShowProgress(const std::string& caption, const std::string& text, int base, int total,
                  int position, int mode, bool stay_on_top);

// Whether a progress window exists / has been cancelled (for tests).
bool ProgressWindowExists();
bool ProgressCancelled();

}  // namespace ftcalc

#endif  // FTCALC_UI_PROGRESS_H_
