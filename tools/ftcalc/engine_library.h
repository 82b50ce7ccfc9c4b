// The engine loaded as a host loads it: the shared library opened with
// dlopen (LoadLibrary on Windows) and its exports looked up by name.
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
  using FullCalculation = void(FTCALC_CALL*)(int32_t, sqlite3*, const char*, const char*,
                                             const char*, int32_t);
  using PartialCalculation = void(FTCALC_CALL*)(int32_t, sqlite3*, const char*, const char*,
                                                const char*, int32_t, int32_t, int32_t);
  using SetHost = void(FTCALC_CALL*)(const FtHostInterface*);

  EngineLibrary() = default;
  ~EngineLibrary();  // restores the default host, then unloads
  EngineLibrary(const EngineLibrary&) = delete;
  EngineLibrary& operator=(const EngineLibrary&) = delete;

  // Loads $FTCALC_ENGINE, else libftcalc.so beside this executable (the
  // build tree), else the installed engine (the library folder of this
  // executable's prefix, then the system's search path). Returns false with
  // a one-line message.
  bool Load(std::string* error);

  // A path as the engine takes it: UTF-8 as it is, except on Windows, where
  // the exports take texts in the process's ANSI code page. False, with a
  // message, for a path that code page cannot write.
  static bool ArgumentText(const std::string& utf8, std::string* text, std::string* error);

  FullCalculation full = nullptr;
  PartialCalculation partial = nullptr;
  SetHost set_host = nullptr;

 private:
  void* handle_ = nullptr;
};

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_ENGINE_LIBRARY_H_
