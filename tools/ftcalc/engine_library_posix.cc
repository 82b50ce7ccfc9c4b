#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "engine_library.h"

namespace ftcalc::cli {

std::string ExecutableDir() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  std::string path(buffer, static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/'));
}

EngineLibrary::~EngineLibrary() {
  if (handle_ == nullptr) return;
  if (set_host) set_host(nullptr);
  dlclose(handle_);
}

bool EngineLibrary::Load(std::string* error) {
  std::vector<std::string> candidates;
  if (const char* env = std::getenv("FTCALC_ENGINE")) candidates.emplace_back(env);
  const std::string dir = ExecutableDir();
  candidates.push_back(dir + "/libftcalc.so");  // the build tree
  // Installed: the library folder of the same prefix, then the system's.
  candidates.push_back(dir + "/" FTCALC_LIB_FROM_BIN "/" FTCALC_ENGINE_SONAME);
  candidates.push_back(FTCALC_ENGINE_SONAME);
  std::string last_error;
  for (const std::string& path : candidates) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) break;
    const char* message = dlerror();
    last_error = message ? message : path;
  }
  if (handle_ == nullptr) {
    *error = "cannot load the engine library: " + last_error;
    return false;
  }
  full = reinterpret_cast<FullCalculation>(dlsym(handle_, "QwD_GcJsDw"));
  partial = reinterpret_cast<PartialCalculation>(dlsym(handle_, "QwD_GcDbjs"));
  set_host = reinterpret_cast<SetHost>(dlsym(handle_, "FtSetHostInterface"));
  if (!full || !partial || !set_host) {
    *error = "the engine library lacks its exports";
    return false;
  }
  return true;
}

bool EngineLibrary::ArgumentText(const std::string& utf8, std::string* text, std::string*) {
  *text = utf8;
  return true;
}

}  // namespace ftcalc::cli
