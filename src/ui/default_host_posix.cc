#include "ui/default_host.h"
#include "ui/terminal_host.h"

namespace ftcalc {

void FillDefaultHost(FtHostInterface& host) { FillTerminalDefaults(host); }

}  // namespace ftcalc
