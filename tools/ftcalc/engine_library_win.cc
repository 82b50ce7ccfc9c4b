#include <windows.h>

#include <cstdlib>
#include <vector>

#include "engine_library.h"
#include "platform/os.h"
#include "platform/wide_text.h"

namespace ftcalc::cli {
namespace {

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string LoadError(const std::string& path) {
  return "cannot load the engine library " + path + " (error " + std::to_string(GetLastError()) +
         ")";
}

}  // namespace

std::string ExecutableDir() {
  const std::string path = SystemExecutablePath();
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? "." : path.substr(0, separator);
}

EngineLibrary::~EngineLibrary() {
  if (handle_ == nullptr) return;
  if (set_host) set_host(nullptr);
  FreeLibrary(static_cast<HMODULE>(handle_));
}

bool EngineLibrary::Load(std::string* error) {
  std::vector<std::string> candidates;
  if (const char* env = std::getenv("FTCALC_ENGINE")) candidates.emplace_back(env);
  candidates.push_back(ExecutableDir() + "\\ftcalc.dll");
  std::string last_error;
  HMODULE module = nullptr;
  for (const std::string& path : candidates) {
    // The engine's own imports (sqlite3.dll) are searched beside it first.
    module = LoadLibraryExW(Utf8ToWide(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module != nullptr) break;
    last_error = LoadError(path);
  }
  if (module == nullptr) {
    *error = last_error;
    return false;
  }
  handle_ = module;
  full = Export<FullCalculation>(module, "QwD_GcJsDw");
  partial = Export<PartialCalculation>(module, "QwD_GcDbjs");
  set_host = Export<SetHost>(module, "FtSetHostInterface");
  if (!full || !partial || !set_host) {
    *error = "the engine library lacks its exports";
    return false;
  }
  return true;
}

bool EngineLibrary::ArgumentText(const std::string& utf8, std::string* text, std::string* error) {
  bool lossy = false;
  *text = WideToCodePage(CP_ACP, Utf8ToWide(utf8), &lossy);
  if (lossy) {
    *error = "'" + utf8 + "' cannot be written in this system's code page (" +
             std::to_string(GetACP()) + "), in which the engine takes its paths";
    return false;
  }
  return true;
}

}  // namespace ftcalc::cli
