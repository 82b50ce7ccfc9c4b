// On Windows the defaults of the host interface are the engine's own
// windows (win32_windows.h), shown over the host's main window; the
// executable path comes from the system (GetModuleFileNameW).
#include "ftcalc/ftcalc.h"
#include "platform/wide_text.h"
#include "ui/default_host.h"
#include "ui/win32_windows.h"

namespace ftcalc {
namespace {

std::string Text(const char* text) { return text ? text : ""; }

void PumpMessages(void*) { win32::PumpMessages(); }

void ProgressOpen(void*, const char* caption, int stay_on_top) {
  win32::ProgressOpen(Text(caption), stay_on_top != 0);
}

void ProgressShow(void*, const char* caption, const char* text, int parts, int total) {
  win32::ProgressShow(Text(caption), Text(text), parts, total);
}

int ProgressCancelled(void*) { return win32::ProgressCancelled() ? 1 : 0; }

void ProgressClose(void*) { win32::ProgressClose(); }

void ShowDbError(void*, const char* message, const char* detail) {
  win32::ShowErrorDialog(Text(message), Text(detail));
}

void ShowMessage(void*, const char* caption, const char* text) {
  win32::ShowMessageDialog(Text(caption), Text(text));
}

}  // namespace

namespace win32 {

void ShowMessageDialog(const std::string& caption, const std::string& text) {
  HWND owner = HostMainWindow();
  UINT type = MB_OK | MB_ICONWARNING | (owner == nullptr ? MB_TASKMODAL : 0);
  // Above the progress window when that one stays on top.
  HWND progress = ProgressWindow();
  if (progress != nullptr && (GetWindowLongW(progress, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
    type |= MB_TOPMOST;
  }
  MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

}  // namespace win32

void FillDefaultHost(FtHostInterface& host) {
  if (!host.process_messages) host.process_messages = PumpMessages;
  // The progress members go together: a host that draws its own window
  // supplies all four, otherwise the engine's window is used.
  if (!host.progress_open || !host.progress_show || !host.progress_cancelled ||
      !host.progress_close) {
    host.progress_open = ProgressOpen;
    host.progress_show = ProgressShow;
    host.progress_cancelled = ProgressCancelled;
    host.progress_close = ProgressClose;
  }
  if (!host.show_db_error) host.show_db_error = ShowDbError;
  if (!host.show_message) host.show_message = ShowMessage;
}

}  // namespace ftcalc
