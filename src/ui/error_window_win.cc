// The database error window: the message and the failing statement in two
// read-only memos that the user can select and copy from. Modal: the
// calculation waits until the user closes it with "关 闭", the close box or
// Esc (seen before any control sees it).
//
// Client area 392 x 367, centred on the screen, 宋体 at height -14. From
// the top: the message box "错误信息" (height 115), the detail box "详细信息"
// filling the rest, and a bottom panel of height 36 with "详 细" (left 91)
// and "关 闭" (left 211), both 100 wide. "详 细" hides the detail box, the
// message box then filling the window, and shows it again.
#include <string>

#include "platform/wide_text.h"
#include "ui/win32_windows.h"

namespace ftcalc::win32 {
namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 367;
constexpr int kMessageBoxHeight = 115;
constexpr int kPanelHeight = 36;
constexpr int kCaptionHeight = 18;

enum ExtraId { kMessageCaptionId = 211, kMessageRuleId, kDetailCaptionId, kDetailRuleId };

struct ErrorWindow {
  HWND window = nullptr;
  HFONT font = nullptr;
  bool detail_visible = true;
  bool closed = false;
};

// The one error window that is up (the calls are never nested: it is
// modal on the only thread that shows it).
ErrorWindow* g_open = nullptr;

// A box of the window: its centred caption, a rule under it (the
// "underline" style of a group box) and its memo below, within [top, bottom).
void PlaceBox(HWND window, int caption_id, int rule_id, int memo_id, int top, int bottom,
              bool visible) {
  const int show = visible ? SW_SHOW : SW_HIDE;
  HWND caption = GetDlgItem(window, caption_id);
  HWND rule = GetDlgItem(window, rule_id);
  HWND memo = GetDlgItem(window, memo_id);
  MoveWindow(caption, 4, top + 2, kClientWidth - 8, kCaptionHeight, TRUE);
  MoveWindow(rule, 4, top + 2 + kCaptionHeight + 1, kClientWidth - 8, 2, TRUE);
  const int memo_top = top + kCaptionHeight + 6;
  MoveWindow(memo, 6, memo_top, kClientWidth - 12, bottom - memo_top - 4, TRUE);
  ShowWindow(caption, show);
  ShowWindow(rule, show);
  ShowWindow(memo, show);
}

void Layout(HWND window, bool detail_visible) {
  const int panel_top = kClientHeight - kPanelHeight;
  if (detail_visible) {
    PlaceBox(window, kMessageCaptionId, kMessageRuleId, kErrorMessageId, 0, kMessageBoxHeight,
             true);
    PlaceBox(window, kDetailCaptionId, kDetailRuleId, kErrorDetailId, kMessageBoxHeight, panel_top,
             true);
  } else {
    PlaceBox(window, kDetailCaptionId, kDetailRuleId, kErrorDetailId, kMessageBoxHeight, panel_top,
             false);
    PlaceBox(window, kMessageCaptionId, kMessageRuleId, kErrorMessageId, 0, panel_top, true);
  }
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ErrorWindow* state = g_open;
  switch (message) {
    case WM_COMMAND:
      if (state == nullptr || HIWORD(wparam) != BN_CLICKED) break;
      if (LOWORD(wparam) == kErrorDetailButtonId) {
        state->detail_visible = !state->detail_visible;
        Layout(hwnd, state->detail_visible);
        return 0;
      }
      if (LOWORD(wparam) == kErrorCloseButtonId || LOWORD(wparam) == IDCANCEL) {
        state->closed = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      if (state != nullptr) state->closed = true;
      return 0;
    case WM_CTLCOLORSTATIC: {
      // The memos are read-only but read as text, on white.
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
      if (id == kErrorMessageId || id == kErrorDetailId) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND AddControl(HWND parent, HFONT font, const wchar_t* class_name, const std::wstring& text,
                DWORD style, DWORD ex_style, int id) {
  HWND control = CreateWindowExW(
      ex_style, class_name, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), EngineModule(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

// An edit control shows a line break only as CR LF.
std::wstring MemoText(const std::string& utf8) {
  const std::wstring text = Utf8ToWide(utf8);
  std::wstring out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
    out += text[i];
    if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) out += L'\n';
  }
  return out;
}

void CreateControls(HWND window, HFONT font, const std::string& message,
                    const std::string& detail) {
  const DWORD caption_style = SS_CENTER | SS_NOPREFIX;
  const DWORD memo_style = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
  AddControl(window, font, L"STATIC", L"错误信息", caption_style, 0, kMessageCaptionId);
  AddControl(window, font, L"STATIC", L"", SS_ETCHEDHORZ, 0, kMessageRuleId);
  AddControl(window, font, L"EDIT", MemoText(message), memo_style, WS_EX_CLIENTEDGE,
             kErrorMessageId);
  AddControl(window, font, L"STATIC", L"详细信息", caption_style, 0, kDetailCaptionId);
  AddControl(window, font, L"STATIC", L"", SS_ETCHEDHORZ, 0, kDetailRuleId);
  AddControl(window, font, L"EDIT", MemoText(detail), memo_style, WS_EX_CLIENTEDGE, kErrorDetailId);
  const int button_top = kClientHeight - kPanelHeight + (kPanelHeight - 25) / 2;
  HWND detail_button = AddControl(window, font, L"BUTTON", L"详 细", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                  kErrorDetailButtonId);
  MoveWindow(detail_button, 91, button_top, 100, 25, FALSE);
  HWND close_button = AddControl(window, font, L"BUTTON", L"关 闭", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                 kErrorCloseButtonId);
  MoveWindow(close_button, 211, button_top, 100, 25, FALSE);
  Layout(window, true);
}

bool IsEscapeFor(const MSG& msg, HWND window) {
  return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
         (msg.hwnd == window || IsChild(window, msg.hwnd));
}

}  // namespace

namespace {

// Where the window cannot be made, the error still reaches the user, in a
// plain message box.
void ShowInMessageBox(HWND owner, const std::string& message, const std::string& detail) {
  const std::wstring text = Utf8ToWide(message) + L"\r\n\r\n" + MemoText(detail);
  MessageBoxW(owner, text.c_str(), L"请将错误信息内容复制给技术人员",
              MB_OK | MB_ICONERROR | (owner == nullptr ? MB_TASKMODAL : 0));
}

}  // namespace

void ShowErrorDialog(const std::string& message, const std::string& detail) {
  HWND owner = HostMainWindow();
  WindowClass window_class(kErrorClassName, WindowProcedure);
  if (g_open != nullptr || !window_class.ok()) {
    ShowInMessageBox(owner, message, detail);
    return;
  }
  ErrorWindow state;
  state.font = CreateDialogFont(-14);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  // Above the progress window when that one stays on top.
  HWND progress = ProgressWindow();
  const bool topmost =
      progress != nullptr && (GetWindowLongW(progress, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (topmost ? WS_EX_TOPMOST : 0);
  const RECT rect = CentredWindowRect(kClientWidth, kClientHeight, style, ex_style);
  state.window = CreateWindowExW(ex_style, kErrorClassName, L"请将错误信息内容复制给技术人员",
                                 style, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, owner, nullptr, EngineModule(), nullptr);
  if (state.window == nullptr) {
    DeleteObject(state.font);
    ShowInMessageBox(owner, message, detail);
    return;
  }
  g_open = &state;
  CreateControls(state.window, state.font, message, detail);

  bool quit = false;
  WPARAM quit_code = 0;
  {
    ThreadWindowsDisabled modal(state.window);
    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    SetFocus(GetDlgItem(state.window, kErrorMessageId));
    MSG msg;
    while (!state.closed) {
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got == -1) break;
      if (got == 0) {
        // The host is quitting: close, and leave the WM_QUIT to its loop.
        quit = true;
        quit_code = msg.wParam;
        break;
      }
      if (IsEscapeFor(msg, state.window)) {
        state.closed = true;
        continue;
      }
      if (IsDialogMessageW(state.window, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner is enabled again before the window goes, so that it, and
  // not some other application, becomes active.
  if (owner != nullptr) SetActiveWindow(owner);
  DestroyWindow(state.window);
  g_open = nullptr;
  DeleteObject(state.font);
  if (quit) PostQuitMessage(static_cast<int>(quit_code));
}

}  // namespace ftcalc::win32
