/*
 * Watches the engine's windows from outside the host, as a user (or an
 * accessibility tool) would: reads them through their controls, takes
 * screenshots, presses their buttons and closes the error window with Esc.
 *
 *   window_probe REPORT_FILE SHOT_DIR
 *
 * It waits for the test host's main window, then handles every database
 * error window that comes until the main window is gone. For each error
 * window it writes to REPORT_FILE (UTF-8), one fact per line:
 *   error N caption: ...          error N message: ...
 *   error N statement: ...        error N owner: host|other
 *   error N progress: LABEL | BAR error N progress owner: host|other
 *   error N details: ...          (the first window: the "详 细" toggle)
 *   error N closed by Esc: yes|no
 * At the first one it moves the error window aside (as a user drags it),
 * saves SHOT_DIR/windows-desktop.png, windows-error.png and
 * windows-progress.png, puts the window back and presses the progress
 * window's cancel button; the engine must then leave that window as it is.
 */
/* GDI+ needs the OLE types that the build's WIN32_LEAN_AND_MEAN leaves out. */
#undef WIN32_LEAN_AND_MEAN
#include <windows.h>
/* After windows.h, which it builds on. */
#include <gdiplus.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

/* The engine's class names and control identifiers (ui/win32_windows.h). */
#define PROGRESS_CLASS L"FtcalcProgressWindow"
#define ERROR_CLASS L"FtcalcErrorWindow"
#define HOST_CLASS L"FtcalcTestHostMain"
enum {
  kProgressLabelId = 101,
  kProgressBarId = 103,
  kProgressCancelId = 104,
  kErrorMessageId = 201,
  kErrorDetailId = 202,
  kErrorDetailButtonId = 203,
};

static FILE* g_report;

static void Report(const wchar_t* format, ...) {
  wchar_t text[8192];
  va_list args;
  va_start(args, format);
  _vsnwprintf(text, 8191, format, args);
  va_end(args);
  text[8191] = 0;
  char utf8[16384];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
  if (n > 0) fprintf(g_report, "%s\n", utf8);
  fflush(g_report);
}

/* A control's text, through WM_GETTEXT as any other process can read it;
 * line breaks become spaces so that one fact stays one line. */
static void ControlText(HWND window, int id, wchar_t* text, int size) {
  text[0] = 0;
  HWND control = GetDlgItem(window, id);
  DWORD_PTR result = 0;
  if (control) {
    SendMessageTimeoutW(control, WM_GETTEXT, size, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &result);
  }
  for (wchar_t* p = text; *p; ++p) {
    if (*p == L'\r' || *p == L'\n') *p = L' ';
  }
}

static const wchar_t* OwnerName(HWND window, HWND host) {
  return GetWindow(window, GW_OWNER) == host ? L"host" : L"other";
}

/* Saves the screen rectangle as a PNG through GDI+. */
static int SavePng(RECT rect, const wchar_t* path) {
  static const CLSID png = {
      0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(NULL);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  GpBitmap* image = NULL;
  int ok = GdipCreateBitmapFromHBITMAP(bitmap, NULL, &image) == Ok &&
           GdipSaveImageToFile((GpImage*)image, path, &png, NULL) == Ok;
  if (image) GdipDisposeImage((GpImage*)image);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(NULL, screen);
  return ok;
}

static void Screenshots(HWND error, HWND progress, const wchar_t* dir) {
  wchar_t path[MAX_PATH];
  RECT desktop, rect;
  GetWindowRect(GetDesktopWindow(), &desktop);
  swprintf(path, MAX_PATH, L"%ls\\windows-desktop.png", dir);
  Report(L"screenshot desktop: %ls", SavePng(desktop, path) ? L"saved" : L"failed");
  GetWindowRect(error, &rect);
  swprintf(path, MAX_PATH, L"%ls\\windows-error.png", dir);
  Report(L"screenshot error window: %ls", SavePng(rect, path) ? L"saved" : L"failed");
  if (progress) {
    GetWindowRect(progress, &rect);
    swprintf(path, MAX_PATH, L"%ls\\windows-progress.png", dir);
    Report(L"screenshot progress window: %ls", SavePng(rect, path) ? L"saved" : L"failed");
  }
}

/* "详 细" hides the detail box and lets the message box fill the window;
 * pressed again, it restores the first layout. */
static void CheckDetailToggle(HWND error, int n) {
  HWND message = GetDlgItem(error, kErrorMessageId);
  HWND detail = GetDlgItem(error, kErrorDetailId);
  HWND button = GetDlgItem(error, kErrorDetailButtonId);
  RECT before, hidden, after;
  GetWindowRect(message, &before);
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, NULL);
  GetWindowRect(message, &hidden);
  const BOOL detail_hidden = !IsWindowVisible(detail);
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, NULL);
  GetWindowRect(message, &after);
  Report(L"error %d details: hidden %ls, message box grows %ls, restored %ls", n,
         detail_hidden ? L"yes" : L"no",
         hidden.bottom - hidden.top > before.bottom - before.top ? L"yes" : L"no",
         IsWindowVisible(detail) && EqualRect(&before, &after) ? L"yes" : L"no");
}

static void PressEscape(HWND error) {
  SetForegroundWindow(error);
  Sleep(200);
  INPUT keys[2];
  memset(keys, 0, sizeof keys);
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

static int WaitGone(HWND window, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (!IsWindow(window)) return 1;
    Sleep(50);
  }
  return !IsWindow(window);
}

static void HandleErrorWindow(HWND error, HWND host, int n, const wchar_t* shot_dir) {
  /* Filled before it is shown; give the engine's thread time to paint. */
  Sleep(300);
  static wchar_t text[4096];
  GetWindowTextW(error, text, 4096);
  Report(L"error %d caption: %ls", n, text);
  ControlText(error, kErrorMessageId, text, 4096);
  Report(L"error %d message: %ls", n, text);
  ControlText(error, kErrorDetailId, text, 4096);
  Report(L"error %d statement: %ls", n, text);
  Report(L"error %d owner: %ls", n, OwnerName(error, host));
  HWND progress = FindWindowW(PROGRESS_CLASS, NULL);
  if (progress) {
    wchar_t label[512], bar[32];
    ControlText(progress, kProgressLabelId, label, 512);
    ControlText(progress, kProgressBarId, bar, 32);
    Report(L"error %d progress: %ls | %ls", n, label, bar);
    Report(L"error %d progress owner: %ls", n, OwnerName(progress, host));
  } else {
    Report(L"error %d progress: none", n);
  }
  if (n == 1) {
    CheckDetailToggle(error, n);
    RECT rect;
    GetWindowRect(error, &rect);
    /* Beside the progress window (both are centred on the screen). */
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    SetWindowPos(error, NULL, desktop.right - (rect.right - rect.left) - 40, 120, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(500);
    Screenshots(error, progress, shot_dir);
    SetWindowPos(error, NULL, rect.left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (progress) {
      SendMessageTimeoutW(GetDlgItem(progress, kProgressCancelId), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                          5000, NULL);
    }
  }
  PressEscape(error);
  const int closed = WaitGone(error, 10000);
  Report(L"error %d closed by Esc: %ls", n, closed ? L"yes" : L"no");
  if (!closed) {
    /* Do not leave the host hanging. */
    PostMessageW(error, WM_CLOSE, 0, 0);
    WaitGone(error, 10000);
  }
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: window_probe REPORT_FILE SHOT_DIR\n");
    return 2;
  }
  g_report = _wfopen(argv[1], L"wb");
  if (!g_report) return 2;
  GdiplusStartupInput input;
  memset(&input, 0, sizeof input);
  input.GdiplusVersion = 1;
  ULONG_PTR token = 0;
  GdiplusStartup(&token, &input, NULL);

  HWND host = NULL;
  for (int waited = 0; waited < 120000 && !host; waited += 100) {
    host = FindWindowW(HOST_CLASS, NULL);
    if (!host) Sleep(100);
  }
  if (!host) {
    Report(L"host main window: never seen");
    return 1;
  }
  Report(L"host main window: seen");
  int count = 0;
  while (IsWindow(host)) {
    /* Each window is handled until it is gone, so a window found is new. */
    HWND error = FindWindowW(ERROR_CLASS, NULL);
    if (error && IsWindowVisible(error)) HandleErrorWindow(error, host, ++count, argv[2]);
    Sleep(50);
  }
  Report(L"error windows: %d", count);
  GdiplusShutdown(token);
  fclose(g_report);
  return 0;
}
