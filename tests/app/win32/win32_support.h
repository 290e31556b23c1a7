#pragma once
// Helpers for the Windows tests, written against the A functions so that GBK names stay bytes: a temporary
// directory, file contents, and answering the modal dialogs that an action opens from inside their modal loop.
#include <windows.h>

#include <functional>
#include <set>
#include <string>

namespace qm::testing {

inline std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(size_t(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(size_t(copied > 0 ? copied : 0));
  return text;
}

inline std::string ClassName(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

inline void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

class Win32TempDir {
 public:
  Win32TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned n = GetTickCount();; ++n) {
      path_ = std::string(base) + "qm-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
      if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
  }
  ~Win32TempDir() { RemoveTree(path_); }
  const std::string& str() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  void Write(const std::string& name, const std::string& content = "") const {
    const HANDLE file = CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (!content.empty()) WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(file);
  }
  std::string Read(const std::string& name) const {
    const HANDLE file =
        CreateFileA((*this / name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!content.empty()) ReadFile(file, content.data(), DWORD(content.size()), &read, nullptr);
    CloseHandle(file);
    return content;
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = data.cFileName;
      if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
  }

 private:
  std::string path_;
};

/// The first visible dialog (#32770) of this thread.
inline HWND FindThreadDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM result) -> BOOL {
        if (ClassName(hwnd) == "#32770" && IsWindowVisible(hwnd)) {
          *reinterpret_cast<HWND*>(result) = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

/// While alive, looks every 30 ms (a thread timer fires inside any modal loop of this thread) for a dialog and
/// hands it to the next answer; an answer returns false to be asked again on the next tick. A dialog that no
/// answer takes within 20 s is cancelled, so that a broken test fails instead of hanging.
class DialogAnswerer {
 public:
  using Answer = std::function<bool(HWND dialog)>;
  DialogAnswerer() {
    Current() = this;
    timer_ = SetTimer(nullptr, 0, 30, &DialogAnswerer::Tick);
  }
  ~DialogAnswerer() {
    KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  void Then(Answer answer) { answers_.push_back(std::move(answer)); }
  size_t pending() const { return answers_.size() - next_; }
  bool timed_out = false;

 private:
  static DialogAnswerer*& Current() {
    static DialogAnswerer* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogAnswerer* self = Current();
    if (self == nullptr) return;
    const HWND dialog = FindThreadDialog();
    if (dialog == nullptr) {
      self->since_ = 0;
      return;
    }
    if (self->since_ == 0) self->since_ = GetTickCount();
    if (self->next_ < self->answers_.size()) {
      if (self->answers_[self->next_](dialog)) {
        ++self->next_;
        self->since_ = 0;
      }
    }
    if (self->since_ != 0 && GetTickCount() - self->since_ > 20000) {
      self->timed_out = true;
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }
  std::vector<Answer> answers_;
  size_t next_ = 0;
  DWORD since_ = 0;
  UINT_PTR timer_ = 0;
};

struct SeenMessage {
  std::string text, caption;
};

/// An answer that reads a message box's text and caption and presses OK.
inline DialogAnswerer::Answer ReadAndClose(SeenMessage* seen) {
  return [seen](HWND box) {
    const HWND text = GetDlgItem(box, 0xFFFF);
    if (text == nullptr) return false;  // not a message box (yet)
    seen->text = WindowText(text);
    seen->caption = WindowText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return true;
  };
}

}  // namespace qm::testing
