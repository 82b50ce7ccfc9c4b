// What the engine needs from the operating system, in one place: the path
// of the host's executable, the engine's text arguments as the host wrote
// them, and files and folders named by UTF-8 paths. os_posix.cc and
// os_win.cc implement it; the build takes the one of its platform.
#ifndef FTCALC_PLATFORM_OS_H_
#define FTCALC_PLATFORM_OS_H_

#include <cstddef>
#include <string>

namespace ftcalc {

// The separator that ends ExeDir: "/" on POSIX systems, "\" on Windows.
extern const char kPathSeparator;

// Whether `c` separates folders in a path here ("/" everywhere, and "\" on
// Windows).
bool IsPathSeparator(char c);

// Full path of the running process's executable file (UTF-8); empty when
// the system does not tell.
std::string SystemExecutablePath();

// A text argument of an export (the project or library path) as UTF-8.
// POSIX hosts pass UTF-8, which is kept as it is; Windows hosts pass texts
// in the process's ANSI code page (936 on a Chinese system), which are
// converted. nullptr gives "".
std::string HostArgumentText(const char* text);

// Reads at most `limit` bytes of the file. False when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string* bytes,
                   size_t limit = static_cast<size_t>(-1));

// Replaces the file's contents: the bytes are written to a temporary file
// beside it, which is then renamed over it, so a failed write leaves the
// old file whole. False when nothing was replaced.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes);

enum class PathKind { kMissing, kFile, kFolder, kOther };

// What `path` names. When it names nothing that can be looked at, the
// system's reason goes to `reason` (if given).
PathKind PathKindOf(const std::string& path, std::string* reason = nullptr);

// Creates one folder (its parent must exist). False when it was not made.
bool MakeFolder(const std::string& path);

// Whether this process may write the file, or create files in the folder.
// When not, the system's reason goes to `reason` (if given).
bool CanWriteFile(const std::string& path, std::string* reason = nullptr);
bool CanWriteInFolder(const std::string& folder, std::string* reason = nullptr);

}  // namespace ftcalc

#endif  // FTCALC_PLATFORM_OS_H_
