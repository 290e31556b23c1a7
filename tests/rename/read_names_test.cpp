#include "rename/read_names.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_system-posix.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using testing::FakeEnv;
using testing::TempDir;

class ReadNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.txt", "B.TXT", "c.txte", "d.txt.bak", "e..txt", "noext", ".hidden.txt",
                             "f.t1t", "g. txt", "中文.txt"}) {
      dir.Write(name, "x");
    }
    std::filesystem::create_directory(dir / "sub.txt");
    std::filesystem::create_directory_symlink(dir / "sub.txt", dir / "linkdir.txt");
    std::filesystem::create_symlink(dir / "a.txt", dir / "linkfile.txt");
    chmod((dir / "f.t1t").c_str(), 0444);
    fake.controls[Box::编辑框2] = dir.str();
  }
  std::string Read(const std::string& suffix) {
    fake.controls[Box::编辑框1] = suffix;
    ReadNames(fake.env);
    return fake.controls[Box::编辑框3];
  }
  TempDir dir;
  std::unique_ptr<FileSystem> files = MakePosixFileSystem();
  FakeEnv fake{*files};
};

TEST_F(ReadNamesTest, Suffixes) {
  struct Case {
    const char* suffix;
    const char* listing;
  } cases[] = {
      {"", ".hidden.txt\r\na.txt\r\nB.TXT\r\nc.txte\r\nd.txt.bak\r\ne..txt\r\nf.t1t\r\ng. txt\r\nlinkfile.txt\r\n"
           "noext\r\n中文.txt\r\n"},
      {"txt", ".hidden.txt\r\na.txt\r\nB.TXT\r\ne..txt\r\nlinkfile.txt\r\n中文.txt\r\n"},
      {"TXT", ".hidden.txt\r\na.txt\r\nB.TXT\r\ne..txt\r\nlinkfile.txt\r\n中文.txt\r\n"},
      {".txt", "e..txt\r\n"},
      {" txt", "g. txt\r\n"},
      {"t?t", ".hidden.txt\r\na.txt\r\nB.TXT\r\ne..txt\r\nf.t1t\r\nlinkfile.txt\r\n中文.txt\r\n"},
      {"*", ".hidden.txt\r\na.txt\r\nB.TXT\r\nc.txte\r\nd.txt.bak\r\ne..txt\r\nf.t1t\r\ng. txt\r\n"
            "linkfile.txt\r\nnoext\r\n中文.txt\r\n"},
      {"jpg", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.suffix), c.listing) << "suffix '" << c.suffix << "'";
}

TEST_F(ReadNamesTest, ReplacesTheBoxAndFillsItInOneStep) {
  fake.controls[Box::编辑框3] = "typed by the user\r\n";
  const std::string first = Read("txt");
  EXPECT_EQ(Read("txt"), first);  // a second run lists once, not twice
  EXPECT_EQ(fake.controls.appends, 2);
}

TEST_F(ReadNamesTest, MissingDirectoryLeavesTheBoxEmpty) {
  fake.controls[Box::编辑框3] = "old";
  fake.controls[Box::编辑框2] = dir.str() + "/missing";
  EXPECT_EQ(Read(""), "");
  fake.controls[Box::编辑框2] = dir.str() + "/a.txt";  // a file, not a directory
  EXPECT_EQ(Read(""), "");
}

TEST_F(ReadNamesTest, DirectoriesOnlyGiveNothing) {
  TempDir only_dirs;
  std::filesystem::create_directory(only_dirs / "x");
  fake.controls[Box::编辑框2] = only_dirs.str();
  EXPECT_EQ(Read(""), "");
}

TEST(NextFileName, ClosesTheSearchAtTheEnd) {
  TempDir dir;
  dir.Write("one");
  auto files = MakePosixFileSystem();
  FileSearch search;
  EXPECT_EQ(NextFileName(*files, dir.str() + "/*.*", search), "one");
  EXPECT_TRUE(search.handle);
  EXPECT_EQ(NextFileName(*files, "", search), "");
  EXPECT_FALSE(search.handle);
  EXPECT_EQ(NextFileName(*files, "", search), "");  // nothing open: still nothing
  CloseFileSearch(search);
}

}  // namespace
}  // namespace qm
