#include "ui/host.h"

#include <unistd.h>

#include <climits>
#include <string>

#include "ftcalc/ftcalc.h"
#include "ui/error_window.h"
#include "ui/message_box.h"
#include "ui/terminal_host.h"

namespace ftcalc {
namespace {

FtHostInterface MakeDefault() {
  FtHostInterface host{};
  FillTerminalDefaults(host);
  return host;
}

FtHostInterface& Installed() {
  static FtHostInterface host = MakeDefault();
  return host;
}

}  // namespace

void SetHostInterface(const FtHostInterface* host) {
  FtHostInterface copy{};
  if (host != nullptr) copy = *host;
  FillTerminalDefaults(copy);
  Installed() = copy;
}

const FtHostInterface& Host() { return Installed(); }

std::string HostExecutablePath() {
  const FtHostInterface& host = Host();
  if (host.executable_path) {
    const char* path = host.executable_path(host.context);
    if (path != nullptr) return path;
  }
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  return std::string(buffer, static_cast<size_t>(n));
}

std::string HostExecutableDir() {
  std::string path = HostExecutablePath();
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void ProcessMessages() {
  const FtHostInterface& host = Host();
  host.process_messages(host.context);
}

void ShowErrorWindow(const std::string& message, const std::string& detail) {
  const FtHostInterface& host = Host();
  host.show_db_error(host.context, message.c_str(), detail.c_str());
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
  const FtHostInterface& host = Host();
  host.show_message(host.context, caption.c_str(), text.c_str());
}

}  // namespace ftcalc
