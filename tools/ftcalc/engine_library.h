// The engine loaded as a host loads it: the shared library opened with
// dlopen and its exports looked up by name.
#ifndef FTCALC_TOOLS_ENGINE_LIBRARY_H_
#define FTCALC_TOOLS_ENGINE_LIBRARY_H_

#include <string>

#include "ftcalc/ftcalc.h"

namespace ftcalc::cli {

// The folder of this executable (the engine's host folder when no other is
// given).
std::string ExecutableDir();

class EngineLibrary {
 public:
  using FullCalculation = void (*)(int32_t, sqlite3*, const char*, const char*, const char*,
                                   int32_t);
  using PartialCalculation = void (*)(int32_t, sqlite3*, const char*, const char*, const char*,
                                      int32_t, int32_t, int32_t);
  using SetHost = void (*)(const FtHostInterface*);

  EngineLibrary() = default;
  ~EngineLibrary();  // restores the default host, then unloads
  EngineLibrary(const EngineLibrary&) = delete;
  EngineLibrary& operator=(const EngineLibrary&) = delete;

  // Loads $FTCALC_ENGINE, else libftcalc.so beside this executable (the
  // build tree), else the installed engine (the library folder of this
  // executable's prefix, then the system's search path). Returns false with
  // a one-line message.
  bool Load(std::string* error);

  FullCalculation full = nullptr;
  PartialCalculation partial = nullptr;
  SetHost set_host = nullptr;

 private:
  void* handle_ = nullptr;
};

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_ENGINE_LIBRARY_H_
