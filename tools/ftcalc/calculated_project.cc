#include "calculated_project.h"

#include "data/number_text.h"
#include "data/fields.h"
#include "engine/setup.h"
#include "project_files.h"
#include "project_reader.h"

namespace ftcalc::cli {
namespace {

// Why the open project does not hold the results of a calculation; empty
// when it does. A new project's 工程造价 is "0元" (or missing) until the
// first full calculation writes the project's cost; the 计算 marks tell
// nothing here (quotas keep 0, and an empty heading is never summed).
std::string NotCalculated(sqlite3* db) {
  Query query;
  std::string error;
  if (!ReadQuery(db, "select count(*) as 行数 from 分部分项", query, &error)) {
    return "its item tree cannot be read (" + error + ")";
  }
  query.First();
  if (FieldNumber(query, "行数") == 0) return "its item tree has no rows";
  const std::string cost = ArchiveValue(db, "工程造价");
  if (CAtofLength(cost) == 0 || CAtof(cost) == 0) {
    return "its 工程造价 is " + (cost.empty() ? std::string("missing") : "'" + cost + "'");
  }
  return std::string();
}

}  // namespace

bool ReadCalculatedProject(const ProjectPaths& paths, ReportData* data, std::string* error) {
  ProjectConnection connection;
  if (!connection.OpenReadOnly(paths.project, paths.library, paths.other, error)) return false;
  const std::string reason = NotCalculated(connection.handle());
  if (!reason.empty()) {
    *error = "'" + paths.project + "' is not a calculated project: " + reason +
             " (run ftcalc calc on it first)";
    return false;
  }
  *data = ReadReportData(connection.handle(), paths.project,
                         paths.library.empty() ? std::string() : FileBaseName(paths.library));
  return true;
}

}  // namespace ftcalc::cli
