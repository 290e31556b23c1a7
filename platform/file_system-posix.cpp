#include "platform/file_system-posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/name_pattern.h"

namespace qm {
namespace {

std::string ErrnoText(int error) {
  char buffer[256];
  return strerror_r(error, buffer, sizeof buffer);  // the GNU form returns the text
}

bool Fail(int error, std::string* reason) {
  if (reason) *reason = ErrnoText(error);
  return false;
}

// Closes a descriptor when it goes out of scope, unless it was released.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void Reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }
  /// Closes now and reports the error of close() (a delayed write error shows up there).
  int Close() {
    const int result = close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// The entries of one directory, in listing order. Files and directories are kept apart and each sorted, then
// merged as they are handed out: sorting plain strings is what a folder of a million files costs least.
class ListedSearch : public DirectorySearch {
 public:
  ListedSearch(std::vector<std::string> files, std::vector<std::string> directories)
      : files_(std::move(files)), directories_(std::move(directories)) {}
  bool Next(FindEntry* entry) override {
    const bool file_left = next_file_ < files_.size();
    const bool directory_left = next_directory_ < directories_.size();
    if (!file_left && !directory_left) return false;
    const bool directory = !file_left || (directory_left && ListsBefore(directories_[next_directory_], files_[next_file_]));
    entry->name = std::move(directory ? directories_[next_directory_++] : files_[next_file_++]);
    entry->is_directory = directory;
    return true;
  }

 private:
  std::vector<std::string> files_, directories_;
  size_t next_file_ = 0, next_directory_ = 0;
};

// Writes the whole contents of `in` into `out` (both open, `out` empty), then gives `out` the modification time
// of `in`.
bool CopyContents(int in, const struct stat& source, int out, std::string* reason) {
  bool fast = true;
  for (;;) {
    ssize_t copied;
    if (fast) {
      copied = copy_file_range(in, nullptr, out, nullptr, size_t{1} << 30, 0);
      if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)) {
        fast = false;  // the kernel or file system has no fast path for this pair: plain reads and writes
        continue;
      }
    } else {
      char buffer[1 << 16];
      copied = read(in, buffer, sizeof buffer);
      for (ssize_t done = 0; copied > 0 && done < copied;) {
        const ssize_t written = write(out, buffer + done, copied - done);
        if (written < 0) {
          if (errno == EINTR) continue;
          return Fail(errno, reason);
        }
        done += written;
      }
    }
    if (copied == 0) break;
    if (copied < 0) {
      if (errno == EINTR) continue;
      return Fail(errno, reason);
    }
  }
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  if (futimens(out, times) != 0) return Fail(errno, reason);
  return true;
}

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

class PosixFileSystem : public FileSystem {
 public:
  explicit PosixFileSystem(PosixFileSystemOptions options) : options_(options), umask_(umask(0)) {
    umask(umask_);  // read, and put back as it was
  }

  std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern, FindEntry* first) override {
    if (!HasNoNul(pattern)) return nullptr;
    const size_t slash = pattern.rfind('/');
    std::string directory = slash == std::string::npos ? "." : pattern.substr(0, slash);
    if (directory.empty()) directory = "/";
    const std::string_view last =
        slash == std::string::npos ? std::string_view(pattern) : std::string_view(pattern).substr(slash + 1);

    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return nullptr;
    std::vector<std::string> files, directories;
    while (const dirent* d = readdir(dir)) {
      const std::string_view name = d->d_name;
      if (!MatchNamePattern(last, name)) continue;
      bool is_directory = d->d_type == DT_DIR;
      if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
        struct stat st;  // follows a link: a link to a directory is a directory
        is_directory = fstatat(dirfd(dir), d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
      }
      (is_directory ? directories : files).emplace_back(name);
    }
    closedir(dir);
    const auto order = [](const std::string& a, const std::string& b) { return ListsBefore(a, b); };
    std::sort(files.begin(), files.end(), order);
    std::sort(directories.begin(), directories.end(), order);
    auto search = std::make_unique<ListedSearch>(std::move(files), std::move(directories));
    if (!search->Next(first)) return nullptr;  // nothing matches
    return search;
  }

  bool Move(const std::string& from, const std::string& to, std::string* reason) override {
    if (!HasNoNul(from) || !HasNoNul(to)) return Fail(EINVAL, reason);
    // A path that ends in the separator names a directory itself: "dir/" renamed to "dir/../x" would move the
    // whole folder away.
    if (!from.empty() && from.back() == '/') return Fail(EISDIR, reason);
    if (from == to) {  // already under that name: success, as Windows reports it, if the file is there
      struct stat st;
      return lstat(from.c_str(), &st) == 0 || Fail(errno, reason);
    }

    if (options_.use_renameat2) {
      if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
      const int error = errno;
      if (error == EXDEV) return MoveAcrossDevices(from, to, reason);
      if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP) return Fail(error, reason);
      // The file system refuses the flag: fall through to link and unlink.
    }
    if (link(from.c_str(), to.c_str()) != 0) {
      const int error = errno;
      if (error == EXDEV) return MoveAcrossDevices(from, to, reason);
      return Fail(error, reason);  // EEXIST: the new name is taken, nothing changed
    }
    if (unlink(from.c_str()) != 0) {
      const int error = errno;
      unlink(to.c_str());  // back to one name: the old one
      return Fail(error, reason);
    }
    return true;
  }

  bool Copy(const std::string& from, const std::string& to, std::string* reason) override {
    if (!HasNoNul(from) || !HasNoNul(to)) return Fail(EINVAL, reason);
    if (from == to) {  // a copy onto itself: the file already holds what was asked
      struct stat st;
      return stat(from.c_str(), &st) == 0 || Fail(errno, reason);
    }
    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return Fail(errno, reason);
    struct stat source;
    if (fstat(in.get(), &source) != 0) return Fail(errno, reason);
    if (S_ISDIR(source.st_mode)) return Fail(EISDIR, reason);

    // A new target is created exclusively and written in place; a failed copy removes it again, which loses
    // nothing, since it did not exist before. An existing target is replaced only once the new copy is complete:
    // the copy goes into a new file beside it, which then takes its name. (Another name of the same file, a hard
    // link, is thereby replaced by a copy with the same content, never emptied.)
    const mode_t mode = source.st_mode & 07777;
    std::string written = to;
    Fd out(open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    const bool replacing = out.get() < 0 && errno == EEXIST;
    if (replacing) out.Reset(CreateTemporary(ParentOf(to), mode, &written));
    if (out.get() < 0) return Fail(errno, reason);
    bool done = (mode & umask_) == 0 || fchmod(out.get(), mode) == 0 || Fail(errno, reason);
    done = done && CopyContents(in.get(), source, out.get(), reason);
    if (out.Close() != 0 && done) done = Fail(errno, reason);
    if (done && replacing && rename(written.c_str(), to.c_str()) != 0) done = Fail(errno, reason);
    if (!done) unlink(written.c_str());
    return done;
  }

  bool WriteFile(const std::string& path, std::string_view bytes, std::string* reason) override {
    if (!HasNoNul(path)) return Fail(EINVAL, reason);
    Fd out(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (out.get() < 0) return Fail(errno, reason);
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t written = write(out.get(), bytes.data() + done, bytes.size() - done);
      if (written < 0) {
        if (errno == EINTR) continue;
        return Fail(errno, reason);
      }
      done += written;  // a short write is continued
    }
    if (out.Close() != 0) return Fail(errno, reason);
    return true;
  }

 private:
  // Across file systems a rename is a copy and a removal; the new name is created exclusively, so nothing there
  // is replaced.
  bool MoveAcrossDevices(const std::string& from, const std::string& to, std::string* reason) {
    struct stat st;
    if (lstat(from.c_str(), &st) != 0) return Fail(errno, reason);
    if (!S_ISREG(st.st_mode)) return Fail(EXDEV, reason);  // a folder or a link is not copied across
    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (in.get() < 0) return Fail(errno, reason);
    const mode_t mode = st.st_mode & 07777;
    Fd out(open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (out.get() < 0) return Fail(errno, reason);
    bool done = (mode & umask_) == 0 || fchmod(out.get(), mode) == 0 || Fail(errno, reason);
    done = done && CopyContents(in.get(), st, out.get(), reason);
    if (out.Close() != 0 && done) done = Fail(errno, reason);
    if (done && unlink(from.c_str()) != 0) done = Fail(errno, reason);
    if (!done) unlink(to.c_str());
    return done;
  }

  // Creates a new file in `directory` with a name of its own, exclusively, with `mode` (less the umask).
  int CreateTemporary(const std::string& directory, mode_t mode, std::string* path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      *path = directory + "/.qm-copy-" + std::to_string(getpid()) + "-" + std::to_string(++temporaries_);
      const int fd = open(path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
  }

  PosixFileSystemOptions options_;
  mode_t umask_;
  unsigned long temporaries_ = 0;
};

}  // namespace

std::unique_ptr<FileSystem> MakePosixFileSystem(PosixFileSystemOptions options) {
  return std::make_unique<PosixFileSystem>(options);
}

std::unique_ptr<FileSystem> MakeNativeFileSystem() { return MakePosixFileSystem(); }

}  // namespace qm
