// The engine setup: settings, preparation of the engine connection on the
// host's handle, and the project parameters, run in this order by a call
// whose skip-setup flag is 0.
#ifndef FTCALC_ENGINE_SETUP_H_
#define FTCALC_ENGINE_SETUP_H_

#include <sqlite3.h>

#include <string>

namespace ftcalc {

// Fixes the other-quota alias (其他) and makes the Tmp folder beside the
// host executable (one level; a failure is silent).
void LoadSettings();

// Creates the engine objects of a setup (FtRou holder, engine connection on
// the host's handle `db`, query slots), records the attached aliases and
// writes the load-time entry [软件设置] 加载内存 to User.INI.
void PrepareEngine(sqlite3* db, const std::string& library_path);

// Reads project name, pricing method and decimals; keeps 工程号 in step
// with the project file's name.
void LoadParameters();

// File name of `path` with every occurrence of its extension (dot
// included) removed: D:\lib\Road2018.db gives Road2018. Both "/" and "\"
// separate folders.
std::string FileBaseName(const std::string& path);

}  // namespace ftcalc

#endif  // FTCALC_ENGINE_SETUP_H_
