/*
 * ftcalc - calculation engine for cost-estimate project databases.
 *
 * The engine is a shared library that a host loads into its own process.
 * The host opens the project database on its own SQLite connection, attaches
 * the library database under the base name of its file and the other-quota
 * library under the name 其他, then calls one of the two exports below on
 * the thread that owns the connection. The engine drives that same handle
 * (it never opens, attaches or closes anything) and writes every result
 * into the project database; nothing is returned through the call.
 *
 * Calling convention: C linkage (__stdcall with undecorated names on 32-bit
 * Windows: ftcalc.dll, whose .def file names the exports). Texts are
 * zero-terminated UTF-8, except the two paths of the calculation exports on
 * Windows, which are in the host process's ANSI code page (936 on a Chinese
 * system) as a Windows host passes them. The engine copies every text and
 * keeps no pointer into the caller's memory. No exception or error code
 * crosses the boundary: database errors are reported through the host
 * interface's error window, one report per failing statement, and the
 * calculation goes on.
 *
 * Thread safety: none. Calls must not overlap, and the host must not use its
 * connection while a call runs (a full calculation holds a transaction on it).
 * During a call the engine may work out fee sheets on one more thread of its
 * own; that thread never touches SQLite or the host interface, and it has
 * ended when the call returns.
 *
 * Ownership: the connection stays the host's. Between calls the engine keeps
 * no prepared statement on it; FtRou stays registered, so that the host's
 * own statements can use it, until the engine is unloaded. The host may
 * close its connection or unload the engine in either order.
 */
#ifndef FTCALC_FTCALC_H_
#define FTCALC_FTCALC_H_

#include <stdint.h>

#if defined(_WIN32)
#define FTCALC_CALL __stdcall
/* The .def file exports the undecorated names; a dllexport here would add
 * the decorated ones (QwD_GcJsDw@24). Hosts look the exports up by name. */
#define FTCALC_EXPORT
#else
#define FTCALC_CALL
#define FTCALC_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

struct sqlite3;

/*
 * Full calculation of the open project, in one transaction, with progress.
 *   unused1      ignored
 *   db           the host's open SQLite connection to the project database
 *   unused3      ignored
 *   project_path path of the project database file
 *   library_path path of the library database file (attached under its base name)
 *   skip_setup   0: read settings and parameters first; otherwise reuse the
 *                state of the last setup (a first call always sets up)
 */
FTCALC_EXPORT void FTCALC_CALL QwD_GcJsDw(int32_t unused1, struct sqlite3* db,
                                          const char* unused3,
                                          const char* project_path,
                                          const char* library_path,
                                          int32_t skip_setup);

/*
 * Partial recalculation of one edited row of the bill tree and its
 * ancestors, without progress window or transaction of its own.
 *   tree_kind    1 = the bill tree 分部分项; any other value recalculates nothing
 *   item_no      编号 of the edited row
 */
FTCALC_EXPORT void FTCALC_CALL QwD_GcDbjs(int32_t unused1, struct sqlite3* db,
                                          const char* unused3,
                                          const char* project_path,
                                          const char* library_path,
                                          int32_t skip_setup, int32_t tree_kind,
                                          int32_t item_no);

/*
 * The host interface: what the engine needs from its host application. Every
 * member may be NULL, in which case the platform's default is used for it.
 * The executable path comes from the operating system. Elsewhere than on
 * Windows the message pump does nothing, the progress window is a one-line
 * bar on stderr (drawn only when stderr is a terminal; Ctrl-C cancels it),
 * and errors and warnings are printed to stderr without blocking. On Windows
 * the defaults are the engine's own windows, owned by the calling thread's
 * active window (the host's main window): the pump processes the thread's
 * pending messages, the progress window shows the step and a bar with a
 * cancel button, and the database error window and the warnings are modal.
 */
typedef struct FtHostInterface {
  void* context; /* passed back to every callback */

  /* Full path of the host's executable file; the engine writes User.INI and
   * makes its Tmp folder beside it. The text must stay valid during the call. */
  const char* (*executable_path)(void* context);

  /* Processes the host's pending window messages. */
  void (*process_messages)(void* context);

  /* Progress window. `open` creates and shows it (stay_on_top applies at
   * creation); `show` draws caption, label text and `parts_complete` out of
   * `total_parts`; `cancelled` returns non-zero once the user cancelled;
   * `close` destroys it. */
  void (*progress_open)(void* context, const char* caption, int stay_on_top);
  void (*progress_show)(void* context, const char* caption, const char* text,
                        int parts_complete, int total_parts);
  int (*progress_cancelled)(void* context);
  void (*progress_close)(void* context);

  /* Database error window: the error message and the failing statement (or
   * the project path). Modal in a desktop host. */
  void (*show_db_error)(void* context, const char* message, const char* detail);

  /* OK-only message box (formula warnings, caption "警告"). */
  void (*show_message)(void* context, const char* caption, const char* text);
} FtHostInterface;

/*
 * Installs the host interface; NULL restores the terminal default. The
 * structure is copied. Takes effect at the next call.
 */
FTCALC_EXPORT void FTCALC_CALL FtSetHostInterface(const FtHostInterface* host);

#ifdef __cplusplus
}
#endif

#endif /* FTCALC_FTCALC_H_ */
