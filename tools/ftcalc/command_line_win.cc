#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "command_line.h"
#include "platform/wide_text.h"

namespace ftcalc::cli {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  SetConsoleOutputCP(CP_UTF8);
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace ftcalc::cli
