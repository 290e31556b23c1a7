// Failing file systems: calls that fail with the system's errors, a file system that runs out of space, names
// that are too long, a target that someone else creates between two pairs, a source that vanishes, a rename
// across file systems. The batch goes on, reports each failed pair with its reason, and loses nothing; the
// export reports its failure.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "platform/file_system-posix.h"
#include "rename/export_names.h"
#include "rename/run_batch.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using testing::FakeEnv;
using testing::TempDir;

// The real file system, with something done before chosen calls: an error instead of the call, or a change
// that another program makes at that moment.
class FaultyFileSystem : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem& real) : real_(real) {}
  std::map<int, int> errors;                        // call number -> errno returned instead of the call
  std::map<int, std::function<void()>> meanwhile;   // call number -> what happens just before it

  std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern, FindEntry* first) override {
    return real_.FindFirst(pattern, first);
  }
  bool Move(const std::string& from, const std::string& to, std::string* reason) override {
    return Call(reason, [&] { return real_.Move(from, to, reason); });
  }
  bool Copy(const std::string& from, const std::string& to, std::string* reason) override {
    return Call(reason, [&] { return real_.Copy(from, to, reason); });
  }
  bool WriteFile(const std::string& path, std::string_view bytes, std::string* reason) override {
    return Call(reason, [&] { return real_.WriteFile(path, bytes, reason); });
  }

 private:
  bool Call(std::string* reason, const std::function<bool()>& call) {
    const int number = ++calls_;
    if (auto action = meanwhile.find(number); action != meanwhile.end()) action->second();
    if (auto error = errors.find(number); error != errors.end()) {
      *reason = std::strerror(error->second);
      return false;
    }
    return call();
  }
  FileSystem& real_;
  int calls_ = 0;
};

class Faults : public ::testing::Test {
 protected:
  Faults() : faulty(*real), fake(faulty) { fake.controls[Box::编辑框2] = dir.str(); }
  std::string Batch(const std::string& old_names, const std::string& new_names) {
    fake.controls[Box::编辑框3] = old_names;
    fake.controls[Box::编辑框4] = new_names;
    RunBatch(fake.env);
    return fake.dialogs.messages.back().text;
  }
  TempDir dir;
  std::unique_ptr<FileSystem> real = MakePosixFileSystem();
  FaultyFileSystem faulty;
  FakeEnv fake;
};

TEST_F(Faults, EachFailedPairIsReportedWithItsReasonAndTheBatchGoesOn) {
  for (const char* name : {"a", "b", "c", "d", "e"}) dir.Write(name, name);
  faulty.errors[1] = EACCES;
  faulty.meanwhile[2] = [&] { dir.Write("B2", "someone else's"); };  // created between two pairs
  faulty.meanwhile[3] = [&] { std::filesystem::remove(dir / "c"); };  // the source vanishes
  const std::string too_long(300, 'x');
  const std::string text = Batch("a\r\nb\r\nc\r\nd\r\ne\r\n", "A2\r\nB2\r\nC2\r\n" + too_long + "\r\nE2\r\n");
  EXPECT_EQ(text, "处理结束\n其中 4 个文件未能处理：\n"
                  "a → A2：Permission denied\n"
                  "b → B2：File exists\n"
                  "c → C2：No such file or directory\n"
                  "d → " + too_long.substr(0, 255) + "…：File name too long");
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"a", "b", "B2", "d", "E2"}));
  EXPECT_EQ(dir.Read("B2"), "someone else's");
  EXPECT_EQ(dir.Read("E2"), "e");
}

TEST_F(Faults, ExportReportsItsFailure) {
  faulty.errors[1] = ENOSPC;
  fake.dialogs.folder_answers = {dir.str()};
  ExportNames(fake.env);
  EXPECT_EQ(fake.dialogs.messages.back().text,
            "导出失败：" + dir.str() + "/重命名2017年3月9日8时5分.xls\nNo space left on device");
}

TEST_F(Faults, RenameAcrossFileSystemsInABatch) {
  if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
  TempDir other("/dev/shm");
  dir.Write("a", "A");
  other.Write("taken", "T");
  const std::string there = std::filesystem::relative(other.path(), dir.path()).string();
  const std::string text = Batch("a\r\na\r\n", there + "/taken\r\n" + there + "/moved\r\n");
  EXPECT_EQ(other.Read("taken"), "T");
  EXPECT_EQ(other.Read("moved"), "A");
  EXPECT_EQ(dir.Names(), std::set<std::string>{});
  EXPECT_NE(text.find("其中 1 个文件未能处理"), std::string::npos) << text;
}

// A small tmpfs, mounted for the test where the machine allows it (as root).
class FullDisk : public Faults {
 protected:
  void SetUp() override {
    mount_point = dir.path() / "tmpfs";
    std::filesystem::create_directory(mount_point);
    if (mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=256k") != 0)
      GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    mounted = true;
  }
  void TearDown() override {
    if (mounted) umount(mount_point.c_str());
  }
  std::filesystem::path mount_point;
  bool mounted = false;
};

TEST_F(FullDisk, ACopyThatRunsOutOfSpaceLeavesTheReplacedTargetWhole) {
  const std::string old_target(150 * 1024, 'o');
  std::ofstream(mount_point / "t", std::ios::binary) << old_target;
  dir.Write("big", std::string(200 * 1024, 'n'));
  dir.Write("small", "s");
  fake.controls[Box::编辑框5] = mount_point.string();
  const std::string text = Batch("big\r\nsmall\r\n", "t\r\nu\r\n");
  EXPECT_EQ(text, "处理结束\n其中 1 个文件未能处理：\nbig → t：No space left on device");
  std::ifstream in(mount_point / "t", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old_target);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(mount_point)) names.insert(entry.path().filename());
  EXPECT_EQ(names, (std::set<std::string>{"t", "u"}));  // no temporary file left behind
  EXPECT_EQ(dir.Read("big").size(), 200u * 1024);
}

TEST_F(FullDisk, AnExportThatRunsOutOfSpaceSaysSo) {
  fake.dialogs.folder_answers = {mount_point.string()};
  fake.controls[Box::编辑框3] = std::string(400 * 1024, 'x');
  ExportNames(fake.env);
  EXPECT_EQ(fake.dialogs.messages.back().text, "导出失败：" + mount_point.string() +
                                                   "/重命名2017年3月9日8时5分.xls\nNo space left on device");
}

}  // namespace
}  // namespace qm
