// Windows: every path goes through the wide-character API, so that a
// folder or file name in any script works whatever the ANSI code page.
#include <windows.h>

#include <vector>

#include "platform/os.h"
#include "platform/wide_text.h"

namespace ftcalc {
namespace {

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n > 0 && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  if (message.empty()) return "error " + std::to_string(code);
  return WideToUtf8(message);
}

// Owns a handle from CreateFileW.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (ok()) CloseHandle(handle_);
  }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

const char kPathSeparator = '\\';

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string SystemExecutablePath() {
  // The host process's executable (not this DLL); the buffer grows for
  // paths beyond MAX_PATH.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return WideToUtf8(std::wstring_view(buffer.data(), n));
    if (buffer.size() >= 32768) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

std::string HostArgumentText(const char* text) {
  if (text == nullptr) return std::string();
  return WideToUtf8(CodePageToWide(CP_ACP, text));
}

bool ReadFileBytes(const std::string& path, std::string* bytes, size_t limit) {
  FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return false;
  bytes->clear();
  char buffer[65536];
  while (bytes->size() < limit) {
    const size_t want = std::min(sizeof buffer, limit - bytes->size());
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, static_cast<DWORD>(want), &got, nullptr)) return false;
    if (got == 0) break;
    bytes->append(buffer, got);
  }
  return true;
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  const std::wstring target = Utf8ToWide(path);
  const std::wstring temp = target + L".tmp";
  size_t written = 0;
  {
    FileHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    while (written < bytes.size()) {
      const size_t chunk = std::min<size_t>(bytes.size() - written, 1u << 20);
      DWORD n = 0;
      if (!WriteFile(file.get(), bytes.data() + written, static_cast<DWORD>(chunk), &n, nullptr) ||
          n == 0) {
        break;
      }
      written += n;
    }
  }
  if (written < bytes.size()) {
    DeleteFileW(temp.c_str());
    return false;
  }
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}

PathKind PathKindOf(const std::string& path, std::string* reason) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
    if (reason) *reason = SystemMessage(GetLastError());
    return PathKind::kMissing;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::kFolder;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) return PathKind::kOther;
  return PathKind::kFile;
}

bool MakeFolder(const std::string& path) {
  return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) != 0;
}

bool CanWriteFile(const std::string& path, std::string* reason) {
  // Opened for writing and closed again at once: the attributes, the
  // folder's rights and another process's lock all tell.
  const HANDLE file =
      CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (reason) *reason = SystemMessage(GetLastError());
    return false;
  }
  CloseHandle(file);
  return true;
}

bool CanWriteInFolder(const std::string& folder, std::string* reason) {
  // A folder's read-only attribute means nothing on Windows: a file made
  // there (and gone when closed) is the test.
  wchar_t name[MAX_PATH];
  if (GetTempFileNameW(Utf8ToWide(folder).c_str(), L"ft", 0, name) == 0) {
    if (reason) *reason = SystemMessage(GetLastError());
    return false;
  }
  DeleteFileW(name);
  return true;
}

}  // namespace ftcalc
