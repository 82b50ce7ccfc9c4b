// The engine's side of the host interface: the installed FtHostInterface
// (or the platform's defaults for what it leaves out: the terminal, or on
// Windows the engine's own windows) and the state of the
// progress window that the engine drives through it. Every call the engine
// makes to its host goes through one HostUi.
//
// Thread safety: none; the host's calling thread only.
#ifndef FTCALC_UI_HOST_H_
#define FTCALC_UI_HOST_H_

#include <string>

#include "ftcalc/ftcalc.h"

namespace ftcalc {

enum ProgressMode { kProgressOpen = 1, kProgressUpdate = 2, kProgressQuery = 3, kProgressClose = 4 };

class HostUi {
 public:
  // Starts with the platform's defaults.
  HostUi();
  HostUi(const HostUi&) = delete;
  HostUi& operator=(const HostUi&) = delete;

  // Installs `host` (copied); nullptr restores the defaults. Members left
  // NULL get their default.
  void Install(const FtHostInterface* host);

  // Full path of the host's executable (from the host, else from the OS),
  // and its folder ending in the platform's separator.
  std::string ExecutablePath() const;
  std::string ExecutableDir() const;

  // Lets the host process its pending window messages.
  void ProcessMessages();

  // The progress window, driven through one operation: mode 0 or 1 opens
  // (or reuses) it, 2 updates it (false once cancelled or without a
  // window), 3 asks whether it exists, 4 closes it (false without one);
  // any other mode does nothing and returns true. Cancelling freezes the
  // window; it never stops the calculation.
  bool ShowProgress(const std::string& caption, const std::string& text, int base, int total,
                    int position, int mode, bool stay_on_top);
  bool ProgressWindowExists() const { return progress_.exists; }
  bool ProgressCancelled() const { return progress_.cancelled; }

  // The database error window: the message and the failing statement (or
  // the project path). Blocks while a desktop host shows it.
  void ShowDbError(const std::string& message, const std::string& detail);
  // The OK-only message box captioned `caption`.
  void ShowMessage(const std::string& caption, const std::string& text);

 private:
  struct ProgressWindow {
    bool exists = false;
    bool cancelled = false;
    std::string caption;
    std::string label;
    int parts_complete = 0;
    int total_parts = 0;
  };
  void Draw();

  FtHostInterface host_{};
  ProgressWindow progress_;
};

}  // namespace ftcalc

#endif  // FTCALC_UI_HOST_H_
