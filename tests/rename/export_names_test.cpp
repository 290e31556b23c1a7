#include "rename/export_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system-posix.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using testing::FakeEnv;
using testing::TempDir;

TEST(FormatDateTimeText, DropsTrailingZeroFieldsOfTheTime) {
  struct Case {
    int hour, minute, second;
    const char* text;
  } cases[] = {
      {8, 5, 7, "2017年3月9日8时5分7秒"}, {8, 5, 0, "2017年3月9日8时5分"},
      {8, 0, 0, "2017年3月9日8时"},       {0, 0, 0, "2017年3月9日"},
      {8, 0, 7, "2017年3月9日8时0分7秒"}, {0, 5, 0, "2017年3月9日0时5分"},
      {0, 0, 30, "2017年3月9日0时0分30秒"}, {23, 59, 59, "2017年3月9日23时59分59秒"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDateTimeText(2017, 3, 9, c.hour, c.minute, c.second), c.text);
  }
  EXPECT_EQ(FormatDateTimeText(2026, 12, 31, 0, 0, 0), "2026年12月31日");
}

class Export : public ::testing::Test {
 protected:
  Export() : files(MakePosixFileSystem()), fake(*files) {}
  TempDir dir;
  std::unique_ptr<FileSystem> files;
  FakeEnv fake;
};

TEST_F(Export, WritesTheBoxBytesAndNamesTheFile) {
  const std::string listing = "a.txt\r\n中文.jpg\r\nlast without break";
  fake.controls[Box::编辑框3] = listing;
  fake.dialogs.folder_answers = {dir.str()};
  ExportNames(fake.env);
  EXPECT_EQ(fake.dialogs.prompts, std::vector<std::string>{std::string(texts::kExportPrompt)});
  EXPECT_EQ(fake.dialogs.include_files_seen, std::vector<bool>{true});
  EXPECT_EQ(dir.Read("重命名2017年3月9日8时5分.xls"), listing);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, "导出完成，文件名为：重命名2017年3月9日8时5分.xls");
  EXPECT_EQ(fake.dialogs.messages[0].caption, "提示");
  EXPECT_EQ(fake.controls[Box::编辑框3], listing);
}

TEST_F(Export, SameSecondReplacesAndEmptyBoxEmptiesTheFile) {
  fake.dialogs.folder_answers = {dir.str(), dir.str()};
  fake.controls[Box::编辑框3] = "first\r\n";
  ExportNames(fake.env);
  fake.controls[Box::编辑框3] = "";
  fake.clock.now = {2017, 3, 9, 0, 0, 0};
  ExportNames(fake.env);
  fake.clock.now = {2017, 3, 9, 8, 5, 0};
  fake.controls[Box::编辑框3] = "";
  fake.dialogs.folder_answers = {dir.str()};
  ExportNames(fake.env);
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"重命名2017年3月9日.xls", "重命名2017年3月9日8时5分.xls"}));
  EXPECT_EQ(dir.Read("重命名2017年3月9日8时5分.xls"), "");
}

TEST_F(Export, FailureNamesThePathAndTheReason) {
  dir.Write("a-file");
  fake.dialogs.folder_answers = {dir.str() + "/a-file"};  // a file chosen as the folder
  ExportNames(fake.env);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text,
            "导出失败：" + dir.str() + "/a-file/重命名2017年3月9日8时5分.xls\nNot a directory");
  EXPECT_EQ(fake.dialogs.messages[0].caption, "提示");
}

TEST_F(Export, CancelledDialogWritesBelowTheRoot) {
  // The cancelled dialog's empty folder gives "/重命名…", which is tried as it stands; a test must not write
  // to the real root, so only the path is checked, through a file system that records it.
  struct Recorder : FileSystem {
    std::unique_ptr<DirectorySearch> FindFirst(const std::string&, FindEntry*) override { return nullptr; }
    bool Move(const std::string&, const std::string&, std::string*) override { return false; }
    bool Copy(const std::string&, const std::string&, std::string*) override { return false; }
    bool WriteFile(const std::string& path, std::string_view, std::string*) override {
      written = path;
      return true;
    }
    std::string written;
  } recorder;
  FakeEnv cancelled(recorder);
  ExportNames(cancelled.env);
  EXPECT_EQ(recorder.written, "/重命名2017年3月9日8时5分.xls");
}

}  // namespace
}  // namespace qm
