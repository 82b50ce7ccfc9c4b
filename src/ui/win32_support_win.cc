// What the engine's windows share: their module, their owner, their font,
// their classes, and the message pump.
#include "ui/win32_windows.h"

namespace ftcalc::win32 {
namespace {

bool IsEngineWindow(HWND hwnd) {
  wchar_t name[64];
  if (GetClassNameW(hwnd, name, 64) == 0) return false;
  return lstrcmpW(name, kProgressClassName) == 0 || lstrcmpW(name, kErrorClassName) == 0;
}

BOOL CALLBACK FirstUnownedVisible(HWND hwnd, LPARAM found) {
  if (!IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER) != nullptr || IsEngineWindow(hwnd)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

}  // namespace

const wchar_t kProgressClassName[] = L"FtcalcProgressWindow";
const wchar_t kErrorClassName[] = L"FtcalcErrorWindow";

HINSTANCE EngineModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&EngineModule), &module);
  return module;
}

HWND HostMainWindow() {
  HWND active = GetActiveWindow();
  // The progress window may be the active one when an error comes; its
  // owner is the host's window.
  while (active != nullptr && IsEngineWindow(active)) active = GetWindow(active, GW_OWNER);
  if (active != nullptr && IsWindowVisible(active)) return active;
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FirstUnownedVisible, reinterpret_cast<LPARAM>(&found));
  return found;
}

HFONT CreateDialogFont(int height) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

RECT CentredWindowRect(int width, int height, DWORD style, DWORD ex_style) {
  RECT rect = {0, 0, width, height};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  const int outer_width = rect.right - rect.left;
  const int outer_height = rect.bottom - rect.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer_width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer_height) / 2;
  return RECT{left, top, left + outer_width, top + outer_height};
}

WindowClass::WindowClass(const wchar_t* name, WNDPROC procedure) : name_(name) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = EngineModule();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  ok_ = RegisterClassExW(&wc) != 0;
  if (!ok_ && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
    // Left by a window that is still up (a nested use): reuse it.
    ok_ = true;
    name_ = nullptr;
  }
}

WindowClass::~WindowClass() {
  if (ok_ && name_ != nullptr) UnregisterClassW(name_, EngineModule());
}

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND except) : except_(except) {
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
  for (int i = 0; i < count_; ++i) EnableWindow(disabled_[i], FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (int i = count_; i-- > 0;) {
    if (IsWindow(disabled_[i])) EnableWindow(disabled_[i], TRUE);
  }
}

BOOL CALLBACK ThreadWindowsDisabled::Collect(HWND hwnd, LPARAM self) {
  auto* state = reinterpret_cast<ThreadWindowsDisabled*>(self);
  if (hwnd != state->except_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) &&
      state->count_ < 64) {
    state->disabled_[state->count_++] = hwnd;
  }
  return TRUE;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace ftcalc::win32
