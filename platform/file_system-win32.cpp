#include <windows.h>

#include "platform/file_system.h"
#include "platform/system_error-win32.h"

namespace qm {

std::string SystemErrorText(DWORD error) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
      0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length ? std::string(buffer, length) : "error " + std::to_string(error);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

namespace {

bool Fail(DWORD error, std::string* reason) {
  if (reason) *reason = SystemErrorText(error);
  return false;
}

FindEntry EntryOf(const WIN32_FIND_DATAA& data) {
  return {data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

class Win32Search : public DirectorySearch {
 public:
  explicit Win32Search(HANDLE handle) : handle_(handle) {}
  ~Win32Search() override { FindClose(handle_); }
  bool Next(FindEntry* entry) override {
    WIN32_FIND_DATAA data;
    if (!FindNextFileA(handle_, &data)) return false;
    *entry = EntryOf(data);
    return true;
  }

 private:
  HANDLE handle_;
};

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern, FindEntry* first) override {
    if (!HasNoNul(pattern)) return nullptr;
    WIN32_FIND_DATAA data;
    const HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    *first = EntryOf(data);
    return std::make_unique<Win32Search>(handle);
  }

  bool Move(const std::string& from, const std::string& to, std::string* reason) override {
    if (!HasNoNul(from) || !HasNoNul(to)) return Fail(ERROR_INVALID_NAME, reason);
    if (MoveFileA(from.c_str(), to.c_str())) return true;  // never replaces an existing file
    return Fail(GetLastError(), reason);
  }

  bool Copy(const std::string& from, const std::string& to, std::string* reason) override {
    if (!HasNoNul(from) || !HasNoNul(to)) return Fail(ERROR_INVALID_NAME, reason);
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
    return Fail(GetLastError(), reason);
  }

  bool WriteFile(const std::string& path, std::string_view bytes, std::string* reason) override {
    if (!HasNoNul(path)) return Fail(ERROR_INVALID_NAME, reason);
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(GetLastError(), reason);
    DWORD error = ERROR_SUCCESS;
    if (!bytes.empty()) {
      DWORD written = 0;
      if (bytes.size() > MAXDWORD) {
        error = ERROR_FILE_TOO_LARGE;
      } else if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        error = GetLastError();
      } else if (written != bytes.size()) {
        error = ERROR_HANDLE_DISK_FULL;
      }
    }
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    return error == ERROR_SUCCESS || Fail(error, reason);
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakeNativeFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace qm
