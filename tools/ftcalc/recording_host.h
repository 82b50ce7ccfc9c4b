// The host side of one engine call, as both hosts built here play it (the
// ftcalc command and the SQLite extension): every database error the engine
// reports is kept for the run's summary, the executable path is the one the
// host was given, and the progress window may be silenced.
#ifndef FTCALC_TOOLS_RECORDING_HOST_H_
#define FTCALC_TOOLS_RECORDING_HOST_H_

#include <functional>
#include <string>
#include <vector>

#include "ftcalc/ftcalc.h"
#include "run_summary.h"

namespace ftcalc::cli {

class RecordingHost {
 public:
  struct Options {
    // Taken as the host executable's path (User.INI and Tmp go beside it);
    // empty: the engine asks the operating system.
    std::string executable;
    // Also print each error and formula warning on stderr as it comes.
    bool print_messages = true;
    // No progress at all (else the terminal bar on stderr, on every
    // platform).
    bool silent_progress = false;
    // Told of each database error as it is recorded (a host watching what
    // ended the call's transaction); may be empty.
    std::function<void(const RunError&)> on_error;
  };

  explicit RecordingHost(Options options);
  // The interface points back at this object: it is neither copied nor moved.
  RecordingHost(const RecordingHost&) = delete;
  RecordingHost& operator=(const RecordingHost&) = delete;

  // The interface to install for the call; valid while this object lives.
  const FtHostInterface* interface() const { return &interface_; }
  // The database errors reported so far, in order.
  const std::vector<RunError>& errors() const { return errors_; }

 private:
  static const char* ExecutablePath(void* context);
  static void RecordError(void* context, const char* message, const char* detail);
  static void ShowMessage(void* context, const char* caption, const char* text);

  Options options_;
  std::vector<RunError> errors_;
  FtHostInterface interface_{};
};

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_RECORDING_HOST_H_
