// The Win32 file-system layer and the actions on it, with the real Win32 calls (run under Wine with code page
// 936 here), against real directories.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "platform/file_system.h"
#include "platform/path_rules.h"
#include "rename/export_names.h"
#include "rename/name_list.h"
#include "rename/read_names.h"
#include "rename/run_batch.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "win32_support.h"

namespace qm {
namespace {

using testing::FakeEnv;
using testing::Win32TempDir;
using Names = std::set<std::string>;

TEST(Texts, AreGbkBytes) {
  EXPECT_EQ(GetACP(), 936u);
  EXPECT_EQ(std::string(1, '\\') + std::string(texts::kExportBaseName), "\x5C\xD6\xD8\xC3\xFC\xC3\xFB");
  EXPECT_EQ(std::string(texts::kYear) + std::string(texts::kMonth) + std::string(texts::kDay), "\xC4\xEA\xD4\xC2\xC8\xD5");
  EXPECT_EQ(std::string(texts::kHour) + std::string(texts::kMinute) + std::string(texts::kSecond), "\xCA\xB1\xB7\xD6\xC3\xEB");
  EXPECT_EQ(texts::kExportDone,
            "\xB5\xBC\xB3\xF6\xCD\xEA\xB3\xC9\xA3\xAC\xCE\xC4\xBC\xFE\xC3\xFB\xCE\xAA\xA3\xBA\xD6\xD8\xC3\xFC\xC3\xFB");
  EXPECT_EQ(texts::kNoticeCaption, "\xCC\xE1\xCA\xBE");
  EXPECT_EQ(texts::kExportPrompt, "\xC7\xEB\xD1\xA1\xD4\xF1\xB1\xA3\xB4\xE6\xB5\xC4\xCE\xC4\xBC\xFE\xC4\xBF\xC2\xBC");
}

TEST(RunDirectory, CutsAtTheRealSeparatorAfterA5CTrailByte) {
  const PathRules rules = NativePathRules();
  EXPECT_EQ(CutBeforeLastSeparator("D:\\\xE2\x5C\\app.exe", rules), "D:\\\xE2\x5C");  // 怽 is E2 5C
  EXPECT_EQ(CutBeforeLastSeparator("D:\\app.exe", rules), "D:");

  // The program itself, copied into a folder whose name ends in 怽 and run from there.
  Win32TempDir dir;
  const std::string folder = dir / "\xE2\x5C";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  char self[4096];
  GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string copy = folder + "\\probe.exe";
  ASSERT_TRUE(CopyFileA(self, copy.c_str(), FALSE)) << GetLastError();
  const std::string out = dir / "out.txt";
  std::string command = "\"" + copy + "\" --write-run-directory \"" + out + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(dir.Read("out.txt"), folder);
}

TEST(FileSystem, MoveNeverReplacesAndCopyReplaces) {
  Win32TempDir dir;
  auto files = MakeNativeFileSystem();
  dir.Write("a", "A");
  dir.Write("\xD6\xD0.txt", "Z");  // 中.txt
  std::string reason;
  EXPECT_FALSE(files->Move(dir / "a", dir / "\xD6\xD0.txt", &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_EQ(dir.Read("\xD6\xD0.txt"), "Z");
  EXPECT_TRUE(files->Copy(dir / "a", dir / "\xD6\xD0.txt", &reason));
  EXPECT_EQ(dir.Read("\xD6\xD0.txt"), "A");
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_TRUE(files->Move(dir / "a", dir / "\xE2\x5C.txt", &reason));
  EXPECT_EQ(dir.Names(), (Names{"\xD6\xD0.txt", "\xE2\x5C.txt"}));
  EXPECT_FALSE(files->Move(std::string(dir / "x") + std::string("\0y", 2), dir / "z", &reason));
}

TEST(FileSystem, WriteFileEmptiesAndReportsFailure) {
  Win32TempDir dir;
  auto files = MakeNativeFileSystem();
  std::string reason;
  ASSERT_TRUE(files->WriteFile(dir / "x.xls", "a\r\nb\r\n", &reason));
  EXPECT_EQ(dir.Read("x.xls"), "a\r\nb\r\n");
  ASSERT_TRUE(files->WriteFile(dir / "x.xls", "", &reason));
  EXPECT_EQ(dir.Read("x.xls"), "");
  EXPECT_FALSE(files->WriteFile(dir / "missing\\x.xls", "a", &reason));
  EXPECT_FALSE(reason.empty());
}

class Actions : public ::testing::Test {
 protected:
  Actions() : files(MakeNativeFileSystem()), fake(*files) { fake.controls[Box::编辑框2] = dir.str(); }
  std::set<std::string> Listed(const std::string& suffix) {
    fake.controls[Box::编辑框1] = suffix;
    ReadNames(fake.env);
    const std::vector<std::string_view> names = SplitNameList(fake.controls[Box::编辑框3]);
    return {names.begin(), names.end()};
  }
  Win32TempDir dir;
  std::unique_ptr<FileSystem> files;
  FakeEnv fake;
};

TEST_F(Actions, ReadNamesWithSuffixes) {
  for (const char* name : {"a.txt", "B.TXT", "d.txt.bak", "e..txt", "noext", "\xD6\xD0\xCE\xC4.txt", "\xE2\x5C.txt"})
    dir.Write(name);
  CreateDirectoryA((dir / "sub.txt").c_str(), nullptr);
  EXPECT_EQ(Listed(""), (Names{"a.txt", "B.TXT", "d.txt.bak", "e..txt", "noext", "\xD6\xD0\xCE\xC4.txt", "\xE2\x5C.txt"}));
  EXPECT_EQ(Listed("txt"), (Names{"a.txt", "B.TXT", "e..txt", "\xD6\xD0\xCE\xC4.txt", "\xE2\x5C.txt"}));
  EXPECT_EQ(Listed(".txt"), Names{"e..txt"});
  EXPECT_EQ(Listed("jpg"), Names{});
  EXPECT_EQ(fake.controls[Box::编辑框3], "");
}

TEST_F(Actions, RenameBatchReportsTheFailedPair) {
  dir.Write("a", "A");
  dir.Write("b", "B");
  fake.controls[Box::编辑框3] = "a\r\nb\r\n";
  fake.controls[Box::编辑框4] = "b\r\n\xD2\xD2\r\n";  // 乙
  RunBatch(fake.env);
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_EQ(dir.Read("\xD2\xD2"), "B");
  const std::string& text = fake.dialogs.messages.back().text;
  EXPECT_EQ(text.rfind(std::string(texts::kBatchDone) + "\n" + std::string(texts::kFailedCountBefore) + "1", 0), 0u) << text;
  EXPECT_NE(text.find(std::string("a") + std::string(texts::kPairArrow) + "b" + std::string(texts::kReasonColon)),
            std::string::npos);
}

TEST_F(Actions, CopyBatchAndExport) {
  Win32TempDir target;
  dir.Write("a", "A");
  target.Write("x", "old");
  fake.controls[Box::编辑框5] = target.str();
  fake.controls[Box::编辑框3] = "a\r\n";
  fake.controls[Box::编辑框4] = "x";
  RunBatch(fake.env);
  EXPECT_EQ(target.Read("x"), "A");
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_EQ(fake.dialogs.messages.back().text, texts::kBatchDone);

  fake.dialogs.folder_answers = {target.str()};
  ExportNames(fake.env);
  // 重命名2017年3月9日8时5分.xls in GBK
  const std::string name = "\xD6\xD8\xC3\xFC\xC3\xFB" "2017\xC4\xEA" "3\xD4\xC2" "9\xC8\xD5" "8\xCA\xB1" "5\xB7\xD6.xls";
  EXPECT_EQ(target.Read(name), "a\r\n");
  EXPECT_EQ(fake.dialogs.messages.back().text, std::string(texts::kExportDone) + name.substr(6));
}

}  // namespace
}  // namespace qm

// The test program doubles as the probe that the RunDirectory test starts from a folder of its choosing.
int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-run-directory") {
    const std::string directory = qm::RunDirectory();
    FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr) return 1;
    std::fwrite(directory.data(), 1, directory.size(), out);
    std::fclose(out);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
