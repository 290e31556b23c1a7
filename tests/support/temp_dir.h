#pragma once
// A fresh directory on disk for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace qm::testing {

class TempDir {
 public:
  explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
    std::random_device random;
    for (;;) {
      path_ = parent / ("qm-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The directory as the program writes it: bytes, no trailing separator.
  std::string str() const { return path_.string(); }
  std::filesystem::path path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  /// Creates a file holding `content`.
  void Write(const std::string& name, const std::string& content = "") const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  /// The content of a file, or "<missing>".
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  /// The names directly inside the directory.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.insert(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace qm::testing
