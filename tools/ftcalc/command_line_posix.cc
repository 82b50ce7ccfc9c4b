#include "command_line.h"

namespace ftcalc::cli {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace ftcalc::cli
