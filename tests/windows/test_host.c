/*
 * A Windows host in miniature, written as such hosts are: C, the project
 * opened on the host's own sqlite3.dll, the engine loaded with LoadLibrary
 * and called through GetProcAddress with the 32-bit __stdcall layout, the
 * paths passed in the ANSI code page. It checks what only a real loader
 * and a real host can show.
 *
 *   test_host calc    PROJECT LIBRARY OTHER   the engine's progress window,
 *                     database errors printed by this host
 *   test_host windows PROJECT LIBRARY OTHER   a main window of its own and
 *                     no host interface: the engine's own windows
 *
 * Paths are Windows paths; the library is attached under its file's base
 * name, the other-quota library as 其他. Prints "ok: ..." per passed check
 * and "FAIL: ..." per failed one; exit status 0 when every check passed.
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "sqlite3.h"

typedef struct FtHostInterface FtHostInterface;
typedef void(__stdcall* FullCalculation)(int32_t, sqlite3*, const char*, const char*, const char*,
                                         int32_t);
typedef void(__stdcall* PartialCalculation)(int32_t, sqlite3*, const char*, const char*,
                                            const char*, int32_t, int32_t, int32_t);
typedef void(__stdcall* SetHostInterface)(const FtHostInterface*);

/* The host interface as the engine's header declares it (only the members
 * this host fills are named). */
struct FtHostInterface {
  void* context;
  const char* (*executable_path)(void*);
  void (*process_messages)(void*);
  void (*progress_open)(void*, const char*, int);
  void (*progress_show)(void*, const char*, const char*, int, int);
  int (*progress_cancelled)(void*);
  void (*progress_close)(void*);
  void (*show_db_error)(void*, const char*, const char*);
  void (*show_message)(void*, const char*, const char*);
};

static int g_failures = 0;
static int g_db_errors = 0;

static void Check(int passed, const char* what) {
  printf("%s: %s\n", passed ? "ok" : "FAIL", what);
  if (!passed) ++g_failures;
  fflush(stdout);
}

static char* WideTo(UINT code_page, const wchar_t* wide, int* lossy) {
  BOOL used = FALSE;
  BOOL* used_pointer = code_page == CP_UTF8 ? NULL : &used;
  const char* fallback = code_page == CP_UTF8 ? NULL : "?";
  DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  int n = WideCharToMultiByte(code_page, flags, wide, -1, NULL, 0, fallback, used_pointer);
  char* text = (char*)malloc(n > 0 ? n : 1);
  text[0] = '\0';
  if (n > 0) WideCharToMultiByte(code_page, flags, wide, -1, text, n, fallback, used_pointer);
  if (lossy) *lossy = used != FALSE;
  return text;
}

/* Calls an export with `count` 32-bit arguments pushed right to left and
 * returns how many bytes the call left on the stack (0 when the export
 * removed exactly its arguments, as __stdcall with 32-bit arguments does). */
static int32_t CallAndMeasureStack(void* function, const uint32_t* arguments, int count) {
  int32_t left;
  __asm__ volatile(
      "movl %%esp, %%esi\n\t"
      "1:\n\t"
      "pushl -4(%%edi,%%ecx,4)\n\t"
      "loop 1b\n\t"
      "call *%%ebx\n\t"
      "movl %%esi, %%eax\n\t"
      "subl %%esp, %%eax\n\t"
      "movl %%esi, %%esp\n\t"
      : "=a"(left), "+c"(count)
      : "D"(arguments), "b"(function)
      : "edx", "esi", "memory", "cc");
  return left;
}

static void PrintDbError(void* context, const char* message, const char* detail) {
  (void)context;
  ++g_db_errors;
  printf("database error: %s\n    %s\n", message ? message : "", detail ? detail : "");
}

static void PrintMessage(void* context, const char* caption, const char* text) {
  (void)context;
  printf("%s: %s\n", caption ? caption : "", text ? text : "");
}

static int Exec(sqlite3* db, const char* sql) {
  char* error = NULL;
  int rc = sqlite3_exec(db, sql, NULL, NULL, &error);
  if (rc != SQLITE_OK) printf("statement failed: %s\n    %s\n", error ? error : "", sql);
  sqlite3_free(error);
  return rc == SQLITE_OK;
}

/* Opens the project and attaches the two libraries, as a desktop host does:
 * the library under its file's name without the extension. */
static sqlite3* OpenProject(const char* project, const char* library, const char* other) {
  sqlite3* db = NULL;
  if (sqlite3_open_v2(project, &db, SQLITE_OPEN_READWRITE, NULL) != SQLITE_OK) {
    printf("cannot open %s: %s\n", project, db ? sqlite3_errmsg(db) : "");
    return NULL;
  }
  const char* name = library;
  for (const char* p = library; *p; ++p) {
    if (*p == '\\' || *p == '/') name = p + 1;
  }
  const char* dot = strrchr(name, '.');
  const int alias_length = dot ? (int)(dot - name) : (int)strlen(name);
  char* sql = sqlite3_mprintf("attach database %Q as \"%.*w\"; attach database %Q as 其他", library,
                              alias_length, name, other);
  int ok = Exec(db, sql);
  sqlite3_free(sql);
  if (!ok) {
    sqlite3_close(db);
    return NULL;
  }
  return db;
}

/* FtRou stays registered on the host's connection after a call, so that
 * the host's own statements round as the engine does. */
static void CheckFtRouOnHostConnection(sqlite3* db) {
  sqlite3_stmt* stmt = NULL;
  int rc = sqlite3_prepare_v2(db,
                              "select FtRou(2.5,0), FtRou(-2.5,0), FtRou('12.345abc',2), "
                              "FtRou(NULL,2)",
                              -1, &stmt, NULL);
  if (rc != SQLITE_OK) {
    printf("    %s\n", sqlite3_errmsg(db));
    Check(0, "the host's own select FtRou(...) runs on its connection after the call");
    return;
  }
  rc = sqlite3_step(stmt);
  Check(rc == SQLITE_ROW && sqlite3_column_double(stmt, 0) == 3.0 &&
            sqlite3_column_double(stmt, 1) == -2.0 && sqlite3_column_double(stmt, 2) == 12.35 &&
            sqlite3_column_type(stmt, 3) == SQLITE_FLOAT && sqlite3_column_double(stmt, 3) == 0.0,
        "the host's own select FtRou(2.5,0), FtRou(-2.5,0), FtRou('12.345abc',2), FtRou(NULL,2) "
        "gives 3, -2, 12.35, 0.0");
  sqlite3_finalize(stmt);
}

/* User.INI and Tmp beside this executable, in a folder whose name the wide
 * API must carry: [软件设置] 加载内存=<seconds>秒, in GBK. */
static void CheckFilesBesideExecutable(void) {
  wchar_t path[MAX_PATH + 16];
  DWORD n = GetModuleFileNameW(NULL, path, MAX_PATH);
  while (n > 0 && path[n - 1] != L'\\') --n;
  wcscpy(path + n, L"Tmp");
  DWORD attributes = GetFileAttributesW(path);
  Check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
        "Tmp made beside the host executable");
  wcscpy(path + n, L"User.INI");
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  char bytes[512] = {0};
  DWORD got = 0;
  if (file != INVALID_HANDLE_VALUE) {
    ReadFile(file, bytes, sizeof bytes - 1, &got, NULL);
    CloseHandle(file);
  }
  /* [软件设置] and 加载内存= in GBK: 软 C8ED 件 BCFE 设 C9E8 置 D6C3, 加 BCD3
   * 载 D4D8 内 C4DA 存 B4E6; 秒 C3EB. */
  const char section[] = "[\xC8\xED\xBC\xFE\xC9\xE8\xD6\xC3]\r\n";
  const char key[] = "\r\n\xBC\xD3\xD4\xD8\xC4\xDA\xB4\xE6=";
  const char* entry = strstr(bytes, key);
  Check(strncmp(bytes, section, strlen(section)) == 0 && entry != NULL &&
            strstr(entry, "\xC3\xEB\r\n") != NULL,
        "User.INI beside the host executable holds [软件设置] 加载内存=...秒 in GBK");
}

/* The host's main window: the engine's windows are to be owned by it. A
 * message posted to it before the call shows whether the engine's pump
 * handles the host's messages while it calculates. */
static int g_in_call = 0;
static int g_pumped_in_call = 0;

static LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) return 0; /* the test ends it, not a stray click */
  if (message == WM_APP) {
    g_pumped_in_call = g_in_call && FindWindowW(L"FtcalcErrorWindow", NULL) == NULL;
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

static HWND CreateMainWindow(void) {
  WNDCLASSW wc;
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = MainWindowProcedure;
  wc.hInstance = GetModuleHandleW(NULL);
  wc.hbrBackground = (HBRUSH)(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = L"FtcalcTestHostMain";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"工程造价 测试宿主", WS_OVERLAPPEDWINDOW, 20,
                              20, 760, 560, NULL, NULL, wc.hInstance, NULL);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  /* Let it be drawn and become the active window before the call. */
  DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 500) {
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
  return hwnd;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 5 || (wcscmp(argv[1], L"calc") != 0 && wcscmp(argv[1], L"windows") != 0)) {
    fprintf(stderr, "usage: test_host calc|windows PROJECT LIBRARY OTHER\n");
    return 2;
  }
  const int own_windows = wcscmp(argv[1], L"windows") == 0;
  printf("ANSI code page: %u\n", GetACP());
  int lossy_project = 0, lossy_library = 0;
  char* project_ansi = WideTo(CP_ACP, argv[2], &lossy_project);
  char* library_ansi = WideTo(CP_ACP, argv[3], &lossy_library);
  Check(!lossy_project && !lossy_library, "the paths can be written in the ANSI code page");
  char* project = WideTo(CP_UTF8, argv[2], NULL);
  char* library = WideTo(CP_UTF8, argv[3], NULL);
  char* other = WideTo(CP_UTF8, argv[4], NULL);

  sqlite3* db = OpenProject(project, library, other);
  if (db == NULL) return 1;

  HMODULE engine = LoadLibraryW(L"ftcalc.dll");
  Check(engine != NULL, "ftcalc.dll loads");
  if (engine == NULL) return 1;
  void* full = (void*)GetProcAddress(engine, "QwD_GcJsDw");
  void* partial = (void*)GetProcAddress(engine, "QwD_GcDbjs");
  SetHostInterface set_host = (SetHostInterface)(void*)GetProcAddress(engine, "FtSetHostInterface");
  Check(full && partial && set_host, "QwD_GcJsDw, QwD_GcDbjs, FtSetHostInterface found by name");
  if (!full || !partial || !set_host) return 1;

  HWND main_window = NULL;
  if (own_windows) {
    main_window = CreateMainWindow();
  } else {
    /* Errors printed here; progress, executable path and pump: the engine's. */
    FtHostInterface host;
    memset(&host, 0, sizeof host);
    host.show_db_error = PrintDbError;
    host.show_message = PrintMessage;
    set_host(&host);
  }

  /* QwD_GcJsDw(0, db, NULL, project, library, 0): six 32-bit arguments. */
  const uint32_t full_arguments[6] = {0,
                                      (uint32_t)(uintptr_t)db,
                                      0,
                                      (uint32_t)(uintptr_t)project_ansi,
                                      (uint32_t)(uintptr_t)library_ansi,
                                      0};
  if (main_window) PostMessageW(main_window, WM_APP, 0, 0);
  DWORD start = GetTickCount();
  g_in_call = 1;
  int32_t left = CallAndMeasureStack(full, full_arguments, 6);
  g_in_call = 0;
  printf("QwD_GcJsDw returned after %lu ms\n", (unsigned long)(GetTickCount() - start));
  Check(left == 0, "QwD_GcJsDw removes its 24 bytes of arguments (__stdcall)");
  Check(sqlite3_get_autocommit(db) != 0, "the full calculation committed its transaction");
  if (own_windows) {
    Check(FindWindowW(L"FtcalcProgressWindow", NULL) == NULL,
          "the progress window is gone when the call returns");
    Check(IsWindowEnabled(main_window), "the main window is enabled again after the error windows");
    Check(g_pumped_in_call, "the engine's pump handled the host's message while it calculated");
  } else {
    Check(g_db_errors == 0, "no database error");
  }
  CheckFtRouOnHostConnection(db);
  CheckFilesBesideExecutable();

  if (!own_windows) {
    /* QwD_GcDbjs(0, db, NULL, project, library, 1, 1, item): eight
     * arguments, reusing the setup. The item: the first quota row. */
    sqlite3_stmt* stmt = NULL;
    int32_t item = 0;
    if (sqlite3_prepare_v2(db, "select min(编号) from 分部分项 where 标志='定额'", -1, &stmt,
                           NULL) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
      item = sqlite3_column_int(stmt, 0);
    }
    sqlite3_finalize(stmt);
    Exec(db, "begin");
    char* edit = sqlite3_mprintf("update 分部分项 set 工程量=工程量*2 where 编号=%d", item);
    Exec(db, edit);
    sqlite3_free(edit);
    const uint32_t partial_arguments[8] = {0,
                                           (uint32_t)(uintptr_t)db,
                                           0,
                                           (uint32_t)(uintptr_t)project_ansi,
                                           (uint32_t)(uintptr_t)library_ansi,
                                           1,
                                           1,
                                           (uint32_t)item};
    left = CallAndMeasureStack(partial, partial_arguments, 8);
    Check(left == 0, "QwD_GcDbjs removes its 32 bytes of arguments (__stdcall)");
    Check(Exec(db, "commit"), "the host commits the partial recalculation");
    Check(g_db_errors == 0, "no database error in the partial recalculation");
    set_host(NULL);
  }

  /* Unloading the engine takes its function back from the open connection. */
  Check(FreeLibrary(engine) != 0, "ftcalc.dll unloads");
  sqlite3_stmt* stmt = NULL;
  int rc = sqlite3_prepare_v2(db, "select FtRou(1,0)", -1, &stmt, NULL);
  Check(rc != SQLITE_OK && strstr(sqlite3_errmsg(db), "FtRou") != NULL,
        "after the unload, FtRou is no longer registered on the host's connection");
  sqlite3_finalize(stmt);
  Check(sqlite3_close(db) == SQLITE_OK, "the host closes its connection");
  if (main_window) DestroyWindow(main_window);
  printf("%s\n", g_failures == 0 ? "all checks passed" : "some checks failed");
  return g_failures == 0 ? 0 : 1;
}
