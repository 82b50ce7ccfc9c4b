// The command line as UTF-8 texts, whatever the system's code page.
#ifndef FTCALC_TOOLS_COMMAND_LINE_H_
#define FTCALC_TOOLS_COMMAND_LINE_H_

#include <string>
#include <vector>

namespace ftcalc::cli {

// The arguments, argv[0] included. On Windows they are read as wide
// characters (a path in any script arrives whole, not through the ANSI
// code page) and the console is set to show UTF-8, which is what the
// commands print.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_COMMAND_LINE_H_
