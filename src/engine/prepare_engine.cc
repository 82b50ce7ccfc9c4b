#include <chrono>
#include <cstdint>

#include "data/number_text.h"
#include "engine/ini_file.h"
#include "engine/setup.h"

namespace ftcalc {
namespace {

// A millisecond tick counter that wraps like a 32-bit system tick count.
uint32_t TickCount() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

std::string FileBaseName(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return name;
  const std::string extension = name.substr(dot);
  std::string out;
  size_t start = 0;
  for (size_t pos = name.find(extension); pos != std::string::npos;
       pos = name.find(extension, start)) {
    out.append(name, start, pos - start);
    start = pos + extension.size();
  }
  out.append(name, start, std::string::npos);
  return out;
}

void PrepareEngine(ProjectSettings& settings, FtRouRegistration& ftrou, sqlite3* db,
                   const std::string& library_path) {
  const uint32_t t0 = TickCount();
  const std::string alias = library_path.empty() ? std::string() : FileBaseName(library_path);
  settings.attached_aliases.clear();
  if (!alias.empty()) settings.library_alias = alias;
  if (!library_path.empty()) settings.attached_aliases = "[" + alias + "]" + "[其他]";
  // Registered now rather than at the first statement that needs it; the
  // registration stays for the host's own statements.
  ftrou.Register(db);

  const uint32_t t1 = TickCount();
  const double seconds = static_cast<uint32_t>(t1 - t0) * 0.001;
  WriteIniText(settings.exe_dir + "User.INI", "软件设置", "加载内存", NumberText(seconds) + "秒");
}

}  // namespace ftcalc
