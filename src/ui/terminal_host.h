// The terminal default of the host interface: no message pump, a one-line
// progress bar on stderr (only when stderr is a terminal; Ctrl-C cancels),
// errors and warnings printed to stderr without blocking.
#ifndef FTCALC_UI_TERMINAL_HOST_H_
#define FTCALC_UI_TERMINAL_HOST_H_

struct FtHostInterface;

namespace ftcalc {

// Fills every NULL member of `host` from `defaults`. The four progress
// members go together: a host that draws its own window supplies all four,
// otherwise all four defaults are used.
void FillMissingMembers(FtHostInterface& host, const FtHostInterface& defaults);

// Fills every NULL member of `host` with its terminal default.
void FillTerminalDefaults(FtHostInterface& host);

}  // namespace ftcalc

#endif  // FTCALC_UI_TERMINAL_HOST_H_
