// What the engine uses where the host supplies nothing: the terminal on
// POSIX systems (terminal_host.cc), the engine's own windows on Windows
// (default_host_win.cc).
#ifndef FTCALC_UI_DEFAULT_HOST_H_
#define FTCALC_UI_DEFAULT_HOST_H_

struct FtHostInterface;

namespace ftcalc {

// Fills every NULL member of `host` with the platform's default.
void FillDefaultHost(FtHostInterface& host);

}  // namespace ftcalc

#endif  // FTCALC_UI_DEFAULT_HOST_H_
