#include "ui/progress.h"

#include <cstdint>

#include "ftcalc/ftcalc.h"
#include "ui/host.h"

namespace ftcalc {
namespace {

// The one progress window. The engine keeps what the window shows so that a
// host only has to draw it.
struct ProgressWindow {
  bool exists = false;
  bool cancelled = false;
  std::string caption;
  std::string label;
  int parts_complete = 0;
  int total_parts = 0;
};

ProgressWindow& Window() {
  static ProgressWindow window;
  return window;
}

void Draw(const ProgressWindow& w) {
  const FtHostInterface& host = Host();
  host.progress_show(host.context, w.caption.c_str(), w.label.c_str(), w.parts_complete,
                     w.total_parts);
}

}  // namespace

bool ShowProgress(const std::string& caption, const std::string& text, int base, int total,
                  int position, int mode, bool stay_on_top) {
  ProgressWindow& w = Window();
  const FtHostInterface& host = Host();
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
        host.progress_open(host.context, caption.c_str(), stay_on_top ? 1 : 0);
      }
      w.caption = caption;
      w.parts_complete = 0;
      w.total_parts = range;
      Draw(w);
      return true;
    case 3:
      return w.exists;
    case 2:
      if (!w.exists) return false;
      ProcessMessages();
      if (host.progress_cancelled(host.context)) w.cancelled = true;
      if (w.cancelled) return false;
      w.label = text;
      w.total_parts = range;
      if (position != 0) w.parts_complete = position - base;
      Draw(w);
      return true;
    case 4:
      if (!w.exists) return false;
      host.progress_close(host.context);
      w = ProgressWindow();
      return true;
    default:
      return true;
  }
}

bool ProgressWindowExists() { return Window().exists; }
bool ProgressCancelled() { return Window().cancelled; }

}  // namespace ftcalc
