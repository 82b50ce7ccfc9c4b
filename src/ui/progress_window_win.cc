// The progress window: the step's text, a bar with its percentage, and a
// cancel button that only freezes the window (the calculation goes on; the
// engine stops drawing once it sees the flag).
//
// Client area 376 x 80, centred on the screen, 宋体 9 pt:
//   label "正在运行……" at (9,5); "工作进度" at (9,29); the bar at (58,23),
//   311 wide; "取   消" at (149,51), 76 wide.
#include <memory>

#include "platform/wide_text.h"
#include "ui/win32_windows.h"

namespace ftcalc::win32 {
namespace {

constexpr wchar_t kBarClassName[] = L"FtcalcProgressBar";
constexpr int kClientWidth = 376;
constexpr int kClientHeight = 80;

struct Progress {
  HWND window = nullptr;
  HWND label = nullptr;
  HWND bar = nullptr;
  HFONT font = nullptr;
  bool cancelled = false;
  int parts_complete = 0;
  int total_parts = 0;
  std::wstring caption;
  std::wstring text;
  std::unique_ptr<WindowClass> window_class;
  std::unique_ptr<WindowClass> bar_class;
};

Progress& State() {
  static Progress* progress = new Progress;  // outlives every exit-time destructor
  return *progress;
}

int Percent(int parts, int total) {
  if (total <= 0) return 0;
  const double percent = 100.0 * parts / total;
  if (percent <= 0) return 0;
  if (percent >= 100) return 100;
  return static_cast<int>(percent + 0.5);
}

// The bar: a sunken frame, the complete part filled with a vertical
// gradient, the percentage in the middle.
void PaintBar(HWND hwnd, HDC dc) {
  const Progress& p = State();
  RECT rect;
  GetClientRect(hwnd, &rect);
  DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int percent = Percent(p.parts_complete, p.total_parts);
  const int filled = (rect.right - rect.left) * percent / 100;
  const int height = rect.bottom - rect.top;
  for (int y = 0; y < height && filled > 0; ++y) {
    // From a light blue at the top to a deeper blue at the bottom.
    const int t = height > 1 ? 255 * y / (height - 1) : 0;
    const COLORREF color = RGB(120 - 80 * t / 255, 170 - 70 * t / 255, 240 - 40 * t / 255);
    HBRUSH brush = CreateSolidBrush(color);
    RECT line = {rect.left, rect.top + y, rect.left + filled, rect.top + y + 1};
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
  wchar_t text[8];
  wsprintfW(text, L"%d%%", percent);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ old_font = SelectObject(dc, p.font);
  DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old_font);
}

LRESULT CALLBACK BarProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      PaintBar(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintBar(hwnd, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kProgressCancelId && HIWORD(wparam) == BN_CLICKED) {
        State().cancelled = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      // Closed by the user: cancelled, and out of sight until the engine
      // closes it.
      State().cancelled = true;
      ShowWindow(hwnd, SW_HIDE);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND AddControl(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style, int x,
                int y, int width, int height, int id) {
  HWND control = CreateWindowExW(0, class_name, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 EngineModule(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(State().font), FALSE);
  return control;
}

void UpdateBar(Progress& p) {
  wchar_t text[8];
  wsprintfW(text, L"%d%%", Percent(p.parts_complete, p.total_parts));
  SetWindowTextW(p.bar, text);
  InvalidateRect(p.bar, nullptr, FALSE);
  UpdateWindow(p.bar);
}

}  // namespace

void ProgressOpen(const std::string& caption, bool stay_on_top) {
  Progress& p = State();
  if (p.window != nullptr) return;
  p.window_class = std::make_unique<WindowClass>(kProgressClassName, WindowProcedure);
  p.bar_class = std::make_unique<WindowClass>(kBarClassName, BarProcedure);
  p.cancelled = false;
  p.parts_complete = 0;
  p.total_parts = 0;
  p.caption = Utf8ToWide(caption);
  p.text = L"正在运行……";
  p.font = CreateDialogFont(-12);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | (stay_on_top ? WS_EX_TOPMOST : 0);
  const RECT rect = CentredWindowRect(kClientWidth, kClientHeight, style, ex_style);
  p.window = CreateWindowExW(ex_style, kProgressClassName, p.caption.c_str(), style, rect.left,
                             rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             HostMainWindow(), nullptr, EngineModule(), nullptr);
  if (p.window == nullptr) {
    ProgressClose();
    return;
  }
  p.label = AddControl(p.window, L"STATIC", p.text.c_str(), SS_LEFT | SS_NOPREFIX, 9, 5, 360, 16,
                       kProgressLabelId);
  AddControl(p.window, L"STATIC", L"工作进度", SS_LEFT, 9, 29, 48, 16, kProgressTitleId);
  p.bar = AddControl(p.window, kBarClassName, L"0%", 0, 58, 23, 311, 20, kProgressBarId);
  AddControl(p.window, L"BUTTON", L"取   消", BS_PUSHBUTTON | WS_TABSTOP, 149, 51, 76, 25,
             kProgressCancelId);
  ShowWindow(p.window, SW_SHOW);
  UpdateWindow(p.window);
}

void ProgressShow(const std::string& caption, const std::string& text, int parts_complete,
                  int total_parts) {
  Progress& p = State();
  if (p.window == nullptr) return;
  const std::wstring wide_caption = Utf8ToWide(caption);
  if (wide_caption != p.caption) {
    p.caption = wide_caption;
    SetWindowTextW(p.window, p.caption.c_str());
  }
  const std::wstring wide_text = Utf8ToWide(text);
  if (wide_text != p.text) {
    p.text = wide_text;
    SetWindowTextW(p.label, p.text.c_str());
    UpdateWindow(p.label);
  }
  if (parts_complete != p.parts_complete || total_parts != p.total_parts) {
    p.parts_complete = parts_complete;
    p.total_parts = total_parts;
    UpdateBar(p);
  }
}

bool ProgressCancelled() { return State().cancelled; }

void ProgressClose() {
  Progress& p = State();
  if (p.window != nullptr) DestroyWindow(p.window);
  p.window = p.label = p.bar = nullptr;
  if (p.font != nullptr) DeleteObject(p.font);
  p.font = nullptr;
  p.window_class.reset();
  p.bar_class.reset();
}

HWND ProgressWindow() { return State().window; }

}  // namespace ftcalc::win32
