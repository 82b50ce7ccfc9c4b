// The DLL's entry point. Windows calls it under the loader lock, so it does
// only what is safe there: on FreeLibrary it releases the engine state,
// which frees memory and takes back what the engine registered on a
// connection that is still open (sqlite3.dll, which this DLL imports, is
// still loaded then). It never touches a window, loads a library or waits
// for a thread: the engine's windows are destroyed before each call returns,
// and its worker thread has ended by then.
//
// When the whole process is ending (reserved != NULL) it does nothing: the
// other threads are gone, possibly holding locks that a release would wait
// on forever, and the system takes back the memory anyway.
#include <windows.h>

#include "entry/engine_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    try {
      ftcalc::ReleaseEngine();
    } catch (...) {
    }
  }
  return TRUE;
}
