#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "platform/os.h"

namespace ftcalc {

const char kPathSeparator = '/';

bool IsPathSeparator(char c) { return c == '/'; }

std::string SystemExecutablePath() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  return std::string(buffer, static_cast<size_t>(n));
}

std::string HostArgumentText(const char* text) { return text ? text : ""; }

bool ReadFileBytes(const std::string& path, std::string* bytes, size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->clear();
  char buffer[65536];
  while (bytes->size() < limit && in) {
    const size_t want = std::min(sizeof buffer, limit - bytes->size());
    in.read(buffer, static_cast<std::streamsize>(want));
    bytes->append(buffer, static_cast<size_t>(in.gcount()));
  }
  return !in.bad();
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << bytes;
    file.close();
    if (!file) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

PathKind PathKindOf(const std::string& path, std::string* reason) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (reason) *reason = std::strerror(errno);
    return PathKind::kMissing;
  }
  if (S_ISREG(info.st_mode)) return PathKind::kFile;
  if (S_ISDIR(info.st_mode)) return PathKind::kFolder;
  return PathKind::kOther;
}

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool CanWriteFile(const std::string& path, std::string* reason) {
  if (access(path.c_str(), W_OK) == 0) return true;
  if (reason) *reason = std::strerror(errno);
  return false;
}

bool CanWriteInFolder(const std::string& folder, std::string* reason) {
  if (access(folder.c_str(), W_OK | X_OK) == 0) return true;
  if (reason) *reason = std::strerror(errno);
  return false;
}

}  // namespace ftcalc
