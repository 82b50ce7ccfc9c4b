// Windows only: the engine's own windows, the defaults of the host
// interface when the host installs none. Every function runs on the
// calling (user-interface) thread; texts are UTF-8.
#ifndef FTCALC_UI_WIN32_WINDOWS_H_
#define FTCALC_UI_WIN32_WINDOWS_H_

#include <windows.h>

#include <string>

namespace ftcalc::win32 {

// Control identifiers, stable so that a test or an accessibility tool can
// read the windows through their controls.
enum ControlId {
  kProgressLabelId = 101,  // the step's text
  kProgressTitleId = 102,  // "工作进度"
  kProgressBarId = 103,    // its window text is the percentage shown
  kProgressCancelId = 104,
  kErrorMessageId = 201,  // read-only memo: the error message
  kErrorDetailId = 202,   // read-only memo: the failing statement
  kErrorDetailButtonId = 203,
  kErrorCloseButtonId = 204,
};

// Window class names of the progress and error windows.
extern const wchar_t kProgressClassName[];
extern const wchar_t kErrorClassName[];

// The module (ftcalc.dll) whose window classes these are.
HINSTANCE EngineModule();

// The window the engine's windows belong to: the calling thread's active
// window, else its first visible top-level window without an owner; never
// one of the engine's own. nullptr when the thread has none.
HWND HostMainWindow();

// The dialog font: 宋体 at the given pixel height (negative: character
// height), GB2312 character set. The caller deletes it.
HFONT CreateDialogFont(int height);

// Outer size and centred screen position of a window whose client area is
// width x height.
RECT CentredWindowRect(int width, int height, DWORD style, DWORD ex_style);

// Registers a window class of this module for as long as it lives. The
// class is taken back when the window is gone, so that a later load of
// the DLL (perhaps at another address) registers its own procedure.
class WindowClass {
 public:
  WindowClass(const wchar_t* name, WNDPROC procedure);
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  ~WindowClass();
  bool ok() const { return ok_; }

 private:
  const wchar_t* name_;
  bool ok_ = false;
};

// Keeps every enabled top-level window of this thread disabled while a
// modal window is up, as a modal dialog of the host itself would.
class ThreadWindowsDisabled {
 public:
  explicit ThreadWindowsDisabled(HWND except);
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;
  ~ThreadWindowsDisabled();

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM self);
  HWND except_;
  HWND disabled_[64];
  int count_ = 0;
};

// Processes every pending message of this thread. A WM_QUIT is put back
// for the host's own loop and ends the pumping.
void PumpMessages();

// The progress window (one at most).
void ProgressOpen(const std::string& caption, bool stay_on_top);
void ProgressShow(const std::string& caption, const std::string& text, int parts_complete,
                  int total_parts);
bool ProgressCancelled();
void ProgressClose();
// The progress window, or nullptr.
HWND ProgressWindow();

// The database error window, modal: returns when the user has closed it.
void ShowErrorDialog(const std::string& message, const std::string& detail);

// An OK message box owned by the host's main window.
void ShowMessageDialog(const std::string& caption, const std::string& text);

}  // namespace ftcalc::win32

#endif  // FTCALC_UI_WIN32_WINDOWS_H_
