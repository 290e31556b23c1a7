#pragma once
// What the actions need from the file system, with one implementation per system
// (file_system-posix.cpp, file_system-win32.cpp). Paths are byte strings in the system's code page and go to
// the system unchanged; a path that holds a NUL byte is refused, never passed on cut short.
#include <memory>
#include <string>
#include <string_view>

namespace qm {

/// One entry of a directory search: its name without any directory part, and whether it is a directory
/// (a link to a directory counts as one).
struct FindEntry {
  std::string name;
  bool is_directory = false;
};

/// An open directory search. Destroying it closes it.
class DirectorySearch {
 public:
  virtual ~DirectorySearch() = default;
  /// The next matching entry; false when there is none left or on an error.
  virtual bool Next(FindEntry* entry) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// Opens a search for `pattern`: a directory, the separator, and a last part matched with "*" and "?".
  /// Returns the search and its first entry, or null when the directory is missing or unreadable or nothing
  /// matches.
  virtual std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern, FindEntry* first) = 0;

  /// Gives the file `from` the path `to`. Never replaces: fails, changing nothing, when `to` exists.
  virtual bool Move(const std::string& from, const std::string& to, std::string* reason) = 0;

  /// Writes a copy of `from` under `to`, replacing a file there; `from` stays.
  virtual bool Copy(const std::string& from, const std::string& to, std::string* reason) = 0;

  /// Creates `path` or empties the file there, and writes exactly `bytes` into it.
  virtual bool WriteFile(const std::string& path, std::string_view bytes, std::string* reason) = 0;
};

/// The file system of the system the program runs on.
std::unique_ptr<FileSystem> MakeNativeFileSystem();

/// True when a path can be handed to the system whole.
inline bool HasNoNul(std::string_view path) { return path.find('\0') == std::string_view::npos; }

}  // namespace qm
