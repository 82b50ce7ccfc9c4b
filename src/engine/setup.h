// The engine setup: settings, preparation of the engine on the host's
// handle, and the project parameters, run in this order by a call whose
// skip-setup flag is 0. Each fills its part of the ProjectSettings that
// later calls reuse.
#ifndef FTCALC_ENGINE_SETUP_H_
#define FTCALC_ENGINE_SETUP_H_

#include <cstdint>
#include <string>

#include "calc/context.h"
#include "data/database.h"
#include "data/ftrou.h"

namespace ftcalc {

// Fixes the other-quota alias (其他) and makes the Tmp folder beside the
// host executable (one level; a failure is silent). `settings.exe_dir` must
// be set.
void LoadSettings(ProjectSettings& settings);

// Records the library alias and the attached aliases, registers FtRou on
// the host's handle `db` (it stays there for the host's own statements)
// and writes the load-time entry [软件设置] 加载内存 to User.INI.
void PrepareEngine(ProjectSettings& settings, FtRouRegistration& ftrou, sqlite3* db,
                   const std::string& library_path);

// Reads project name, pricing method and decimals; keeps 工程号 in step
// with the project file's name.
void LoadParameters(Database& db, ProjectSettings& settings);

// File name of `path` with every occurrence of its extension (dot
// included) removed: D:\lib\Road2018.db gives Road2018. Both "/" and "\"
// separate folders.
std::string FileBaseName(const std::string& path);

// The price decimals when neither the project nor the library sets them:
// 5 when the host's folder path contains 水利, else 2 (the quantity
// decimals: 4 under 电力, else 3).
int DefaultPriceDecimals(const std::string& exe_dir);
int DefaultQuantityDecimals(const std::string& exe_dir);

struct ProjectDecimals {
  int32_t quantity = 3;  // 工程量小数位
  int32_t price = 2;     // 价格小数位
};

// The decimals as LoadParameters fixes them: each is the project's 参数 row
// of that name, else the line of that name in the library's 参数 计算设置
// block, else the default for the host's folder. Reads `settings`'s library
// alias and exe_dir. The host's inspection tools call it on a session whose
// errors go nowhere, so that they round what they show as the engine does.
ProjectDecimals ReadDecimals(Database& db, const ProjectSettings& settings);

}  // namespace ftcalc

#endif  // FTCALC_ENGINE_SETUP_H_
