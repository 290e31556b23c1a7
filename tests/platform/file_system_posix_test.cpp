#include "platform/file_system-posix.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace qm {
namespace {

using testing::TempDir;
using Names = std::set<std::string>;

class MoveTest : public ::testing::TestWithParam<bool> {
 protected:
  std::unique_ptr<FileSystem> files = MakePosixFileSystem({.use_renameat2 = GetParam()});
  TempDir dir;
  std::string P(const std::string& name) { return dir.str() + "/" + name; }
};

TEST_P(MoveTest, RenamesButNeverReplaces) {
  dir.Write("a", "A");
  dir.Write("b", "B");
  std::string reason;
  EXPECT_FALSE(files->Move(P("a"), P("b"), &reason));
  EXPECT_EQ(reason, "File exists");
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_EQ(dir.Read("b"), "B");
  EXPECT_TRUE(files->Move(P("a"), P("c"), &reason));
  EXPECT_EQ(dir.Names(), (Names{"b", "c"}));
  EXPECT_EQ(dir.Read("c"), "A");
  EXPECT_FALSE(files->Move(P("a"), P("d"), &reason));
  EXPECT_EQ(reason, "No such file or directory");
}

TEST_P(MoveTest, SameNameNamedDirectoriesAndNulBytes) {
  std::filesystem::create_directory(dir / "sub");
  dir.Write("x", "X");
  std::string reason;
  EXPECT_TRUE(files->Move(P("x"), P("x"), &reason));  // already so named
  EXPECT_FALSE(files->Move(P("gone"), P("gone"), &reason));
  EXPECT_FALSE(files->Move(P("sub/"), P("../moved"), &reason));  // the directory itself, by its separator
  EXPECT_EQ(reason, "Is a directory");
  EXPECT_FALSE(files->Move(std::string(P("x")) + std::string("\0y", 2), P("z"), &reason));
  EXPECT_EQ(dir.Names(), (Names{"sub", "x"}));
  // A sub-directory named by the user is renamed, as on Windows; a directory cannot be hard-linked, so the
  // link/unlink fallback refuses it.
  EXPECT_EQ(files->Move(P("sub"), P("renamed"), &reason), GetParam());
  EXPECT_EQ(dir.Names(), GetParam() ? (Names{"renamed", "x"}) : (Names{"sub", "x"}));
}

INSTANTIATE_TEST_SUITE_P(, MoveTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "renameat2" : "link_unlink"; });

TEST(MoveAcrossFileSystems, CopiesThenRemovesWithoutReplacing) {
  TempDir here;
  if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
  TempDir there("/dev/shm");
  struct stat a, b;
  stat(here.str().c_str(), &a);
  stat(there.str().c_str(), &b);
  if (a.st_dev == b.st_dev) GTEST_SKIP() << "the temporary folder and /dev/shm share a file system";
  auto files = MakePosixFileSystem();
  here.Write("a", "A");
  here.Write("b", "B");
  there.Write("taken", "T");
  std::string reason;
  EXPECT_FALSE(files->Move(here.str() + "/b", there.str() + "/taken", &reason));
  EXPECT_EQ(there.Read("taken"), "T");
  EXPECT_EQ(here.Read("b"), "B");
  EXPECT_TRUE(files->Move(here.str() + "/a", there.str() + "/moved", &reason)) << reason;
  EXPECT_EQ(there.Read("moved"), "A");
  EXPECT_EQ(here.Names(), Names{"b"});
}

TEST(Copy, ReplacesKeepsModeAndTimeAndLeavesTheSource) {
  TempDir dir;
  auto files = MakePosixFileSystem();
  const std::string big(3 << 20, 'z');
  dir.Write("src", big);
  dir.Write("dst", "old");
  for (const mode_t mode : {0640u, 0666u}) {  // 0666 has bits that the usual umask takes away
    chmod((dir / "src").c_str(), mode);
    const struct timespec times[2] = {{1000000000, 0}, {1234567890, 0}};
    utimensat(AT_FDCWD, (dir / "src").c_str(), times, 0);
    std::string reason;
    ASSERT_TRUE(files->Copy(dir.str() + "/src", dir.str() + "/dst", &reason)) << reason;
    EXPECT_EQ(dir.Read("dst"), big);
    EXPECT_EQ(dir.Read("src"), big);
    struct stat st;
    stat((dir / "dst").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, mode);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
  }
  EXPECT_EQ(dir.Names(), (Names{"dst", "src"}));  // no temporary file left behind
}

TEST(Copy, OntoItselfKeepsTheFile) {
  TempDir dir;
  auto files = MakePosixFileSystem();
  dir.Write("a", "content");
  std::filesystem::create_hard_link(dir / "a", dir / "hard");
  std::string reason;
  EXPECT_TRUE(files->Copy(dir.str() + "/a", dir.str() + "/a", &reason));
  EXPECT_TRUE(files->Copy(dir.str() + "/a", dir.str() + "/hard", &reason));
  EXPECT_EQ(dir.Read("a"), "content");
  EXPECT_EQ(dir.Read("hard"), "content");
}

TEST(Copy, FailureLeavesTheOldTargetAndNoTemporaryFile) {
  TempDir dir;
  auto files = MakePosixFileSystem();
  dir.Write("dst", "old");
  std::filesystem::create_directory(dir / "sub");
  std::string reason;
  EXPECT_FALSE(files->Copy(dir.str() + "/missing", dir.str() + "/dst", &reason));
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_FALSE(files->Copy(dir.str() + "/sub", dir.str() + "/dst", &reason));
  EXPECT_EQ(reason, "Is a directory");
  dir.Write("src", "new");
  EXPECT_FALSE(files->Copy(dir.str() + "/src", dir.str() + "/sub", &reason));  // a directory is not replaced
  EXPECT_EQ(dir.Read("dst"), "old");
  EXPECT_EQ(dir.Names(), (Names{"dst", "src", "sub"}));
}

TEST(WriteFile, CreatesEmptiesAndReportsFailure) {
  TempDir dir;
  auto files = MakePosixFileSystem();
  std::string reason;
  const std::string path = dir.str() + "/out.xls";
  ASSERT_TRUE(files->WriteFile(path, std::string("a\0b\r\n", 5), &reason));
  EXPECT_EQ(dir.Read("out.xls"), std::string("a\0b\r\n", 5));
  ASSERT_TRUE(files->WriteFile(path, "", &reason));
  EXPECT_EQ(dir.Read("out.xls"), "");
  EXPECT_FALSE(files->WriteFile(dir.str() + "/missing/out.xls", "x", &reason));
  EXPECT_EQ(reason, "No such file or directory");
}

TEST(WriteFile, FullDiskIsAFailure) {
  auto files = MakePosixFileSystem();
  std::string reason;
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_FALSE(files->WriteFile("/dev/full", std::string(1 << 16, 'x'), &reason));
  EXPECT_EQ(reason, "No space left on device");
}

TEST(FindFirst, SkipsNothingButMarksDirectories) {
  TempDir dir;
  auto files = MakePosixFileSystem();
  dir.Write("b");
  dir.Write("A");
  std::filesystem::create_directory(dir / "d");
  std::filesystem::create_symlink(dir / "nowhere", dir / "dangling");
  FindEntry entry;
  auto search = files->FindFirst(dir.str() + "/*.*", &entry);
  ASSERT_TRUE(search);
  std::vector<std::pair<std::string, bool>> seen{{entry.name, entry.is_directory}};
  while (search->Next(&entry)) seen.emplace_back(entry.name, entry.is_directory);
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, bool>>{
                      {".", true}, {"..", true}, {"A", false}, {"b", false}, {"d", true}, {"dangling", false}}));
  EXPECT_FALSE(files->FindFirst(dir.str() + "/*.none", &entry));
  EXPECT_FALSE(files->FindFirst(dir.str() + "/missing/*.*", &entry));
}

}  // namespace
}  // namespace qm
