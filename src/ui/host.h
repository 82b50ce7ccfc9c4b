// The engine's side of the host interface: every call the engine makes to
// its host goes through here, to the installed FtHostInterface or to the
// terminal default.
#ifndef FTCALC_UI_HOST_H_
#define FTCALC_UI_HOST_H_

#include <string>

struct FtHostInterface;

namespace ftcalc {

// Installs `host` (copied); nullptr restores the terminal default.
void SetHostInterface(const FtHostInterface* host);
const FtHostInterface& Host();

// Full path of the host's executable (from the host, else from the OS).
std::string HostExecutablePath();
// Folder of that path, ending in "/".
std::string HostExecutableDir();

// Lets the host process its pending window messages.
void ProcessMessages();

}  // namespace ftcalc

#endif  // FTCALC_UI_HOST_H_
