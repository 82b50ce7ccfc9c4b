#include "calc_prechecks.h"

#include <set>
#include <vector>

#include "data/fields.h"
#include "data/host_handle.h"
#include "data/number_text.h"
#include "data/query.h"
#include "engine/setup.h"
#include "platform/os.h"
#include "project_reader.h"

namespace ftcalc::cli {
namespace {

// The tables and views of attached schema `alias`, or false with SQLite's
// message (a file that is no database fails here, on its first read).
bool SchemaTables(sqlite3* db, const std::string& alias, std::set<std::string>* names,
                  std::string* message) {
  std::string quoted = "\"";
  for (char c : alias) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  quoted += "\"";
  Query query;
  if (!ReadQuery(db, "select name from " + quoted + ".sqlite_master where type in('table','view')",
                 query, message)) {
    return false;
  }
  for (query.First(); !query.Eof(); query.Next()) names->insert(FieldText(query, "name"));
  return true;
}

bool HasTables(sqlite3* db, const std::string& what, const std::string& path,
               const std::string& alias, const std::vector<std::string>& tables,
               std::string* error) {
  std::set<std::string> names;
  std::string message;
  if (!SchemaTables(db, alias, &names, &message)) {
    *error = "cannot read " + what + " '" + path + "': " + message;
    return false;
  }
  std::string missing;
  for (const std::string& table : tables) {
    if (names.count(table) == 0) missing += (missing.empty() ? "" : ", ") + table;
  }
  if (!missing.empty()) {
    *error = what + " '" + path + "' lacks the tables the calculation reads: " + missing;
    return false;
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.size();
  while (slash > 0 && !IsPathSeparator(path[slash - 1])) --slash;
  if (slash == 0) return ".";
  // The root keeps its separator ("/", or "C:\" on Windows).
  const bool root = slash == 1 || (kPathSeparator == '\\' && slash == 3 && path[1] == ':');
  return path.substr(0, root ? slash : slash - 1);
}

std::string WaitText(double seconds) {
  return NumberText(seconds) + (seconds == 1 ? " second" : " seconds");
}

}  // namespace

bool CheckLibraryTables(sqlite3* db, const std::string& library_path,
                        const std::string& other_path, std::string* error) {
  return HasTables(db, "library database", library_path, FileBaseName(library_path),
                   {"参数", "计算设置"}, error) &&
         HasTables(db, "other-quota database", other_path, "其他",
                   {"材料标志", "材料三材", "材料供应方"}, error);
}

bool CheckProjectWritable(sqlite3* db, const std::string& project_path, double wait_seconds,
                          std::string* error) {
  const std::string project = "project database '" + project_path + "'";
  // SQLite opens a file it may not write read-only without a word; every
  // statement of the calculation would then fail on its own.
  std::string reason;
  if (!CanWriteFile(project_path, &reason)) {
    *error = project + " is read-only: " + reason;
    return false;
  }
  if (IsReadOnly(db, "main")) {
    *error = project + " is read-only";
    return false;
  }
  const std::string folder = FolderOf(project_path);
  if (!CanWriteInFolder(folder, &reason)) {
    *error = project + " cannot be written: its folder '" + folder +
             "' (where SQLite keeps the journal) is not writable: " + reason;
    return false;
  }
  // The write lock, taken and given back: no other connection is writing.
  // Readers do not stop it; they are waited for at the commit.
  DbError failure;
  if (!BeginProjectWrite(db, &failure)) {
    if (failure.locked()) {
      *error = project + " is locked by another connection (still locked after waiting " +
               WaitText(wait_seconds) + "; --wait sets how long)";
    } else {
      *error = "cannot take the write lock on " + project + ": " + failure.message;
    }
    return false;
  }
  ExecOn(db, "rollback");
  return true;
}

bool BeginProjectWrite(sqlite3* db, DbError* failure) {
  if (!ExecOn(db, "begin", failure)) return false;
  DbError write;
  if (ExecOn(db, "delete from main.\"分部分项\" where 0", &write)) return true;
  ExecOn(db, "rollback");
  if (write.locked()) {
    *failure = write;
    return false;
  }
  return ExecOn(db, "begin immediate", failure);
}

std::string HostFolderWarning(const std::string& folder) {
  std::string reason;
  const PathKind kind = PathKindOf(folder, &reason);
  if (kind == PathKind::kFolder && CanWriteInFolder(folder, &reason)) return std::string();
  if (kind != PathKind::kFolder && kind != PathKind::kMissing) reason = "not a folder";
  return "warning: the host folder '" + folder + "' cannot be written (" + reason +
         "): User.INI and the Tmp folder are not written";
}

}  // namespace ftcalc::cli
