#include "ui/host.h"

#include <climits>
#include <cstdint>
#include <string>

#include "platform/os.h"
#include "ui/default_host.h"

namespace ftcalc {

HostUi::HostUi() { Install(nullptr); }

void HostUi::Install(const FtHostInterface* host) {
  FtHostInterface copy{};
  if (host != nullptr) copy = *host;
  FillDefaultHost(copy);
  host_ = copy;
}

std::string HostUi::ExecutablePath() const {
  if (host_.executable_path) {
    const char* path = host_.executable_path(host_.context);
    if (path != nullptr) return path;
  }
  return SystemExecutablePath();
}

std::string HostUi::ExecutableDir() const {
  std::string path = ExecutablePath();
  size_t slash = path.size();
  while (slash > 0 && !IsPathSeparator(path[slash - 1])) --slash;
  if (slash == 0) return std::string();
  // ExeDir ends in the platform's separator, whichever the host wrote.
  path.resize(slash);
  path.back() = kPathSeparator;
  return path;
}

void HostUi::ProcessMessages() { host_.process_messages(host_.context); }

void HostUi::Draw() {
  host_.progress_show(host_.context, progress_.caption.c_str(), progress_.label.c_str(),
                      progress_.parts_complete, progress_.total_parts);
}

bool HostUi::ShowProgress(const std::string& caption, const std::string& text, int base,
                          int total, int position, int mode, bool stay_on_top) {
  ProgressWindow& w = progress_;
  const long long span = static_cast<long long>(total) - base;
  const int range = span > 0 ? static_cast<int>(span > INT32_MAX ? INT32_MAX : span) : 0;
  switch (mode) {
    case 0:
    case 1:
      // A second open reuses the window: caption and bar reset, Cancelled
      // and the stay-on-top style kept. The label keeps its text.
      if (!w.exists) {
        w.exists = true;
        w.cancelled = false;
        w.label = "正在运行……";
        host_.progress_open(host_.context, caption.c_str(), stay_on_top ? 1 : 0);
      }
      w.caption = caption;
      w.parts_complete = 0;
      w.total_parts = range;
      Draw();
      return true;
    case 3:
      return w.exists;
    case 2:
      if (!w.exists) return false;
      ProcessMessages();
      if (host_.progress_cancelled(host_.context)) w.cancelled = true;
      if (w.cancelled) return false;
      w.label = text;
      w.total_parts = range;
      if (position != 0) w.parts_complete = position - base;
      Draw();
      return true;
    case 4:
      if (!w.exists) return false;
      host_.progress_close(host_.context);
      w = ProgressWindow();
      return true;
    default:
      return true;
  }
}

void HostUi::ShowDbError(const std::string& message, const std::string& detail) {
  host_.show_db_error(host_.context, message.c_str(), detail.c_str());
}

void HostUi::ShowMessage(const std::string& caption, const std::string& text) {
  host_.show_message(host_.context, caption.c_str(), text.c_str());
}

}  // namespace ftcalc
