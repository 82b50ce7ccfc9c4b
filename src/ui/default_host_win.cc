// On Windows the defaults of the host interface are the engine's own
// windows (win32_windows.h), shown over the host's main window; the
// executable path comes from the system (GetModuleFileNameW).
#include "ftcalc/ftcalc.h"
#include "platform/wide_text.h"
#include "ui/default_host.h"
#include "ui/terminal_host.h"
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
  FtHostInterface windows{};
  windows.process_messages = PumpMessages;
  windows.progress_open = ProgressOpen;
  windows.progress_show = ProgressShow;
  windows.progress_cancelled = ProgressCancelled;
  windows.progress_close = ProgressClose;
  windows.show_db_error = ShowDbError;
  windows.show_message = ShowMessage;
  FillMissingMembers(host, windows);
}

}  // namespace ftcalc
