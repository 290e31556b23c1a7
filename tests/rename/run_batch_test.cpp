#include "rename/run_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "platform/file_system-posix.h"
#include "rename/name_list.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using testing::FakeDialogs;
using testing::FakeEnv;
using testing::TempDir;
using Names = std::set<std::string>;

std::string Done() { return std::string(texts::kBatchDone); }

// Every rename test runs twice: with renameat2(RENAME_NOREPLACE) and with the link/unlink fallback.
class RenameBatch : public ::testing::TestWithParam<bool> {
 protected:
  RenameBatch() : files(MakePosixFileSystem({.use_renameat2 = GetParam()})), fake(*files) {
    fake.controls[Box::编辑框2] = dir.str();
  }
  void Run(const std::string& old_names, const std::string& new_names) {
    fake.controls[Box::编辑框3] = old_names;
    fake.controls[Box::编辑框4] = new_names;
    RunBatch(fake.env);
  }
  const FakeDialogs::Message& LastMessage() { return fake.dialogs.messages.back(); }
  TempDir dir;
  std::unique_ptr<FileSystem> files;
  FakeEnv fake;
};

TEST_P(RenameBatch, CountMismatchTouchesNothing) {
  dir.Write("a", "A");
  dir.Write("b", "B");
  dir.Write("c", "C");
  Run("a\r\nb\r\nc\r\n", "x\r\ny\r\nz\r\n\r\n");  // a blank line after the new names is a fourth name
  EXPECT_EQ(dir.Names(), (Names{"a", "b", "c"}));
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, texts::kCountMismatch);
  EXPECT_EQ(LastMessage().caption, texts::kDefaultCaption);
}

TEST_P(RenameBatch, EmptyListsEndAtOnce) {
  Run("", "");
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, Done());
  EXPECT_EQ(LastMessage().caption, texts::kNoticeCaption);
}

TEST_P(RenameBatch, PairsActInListOrderAndNeverReplace) {
  struct Case {
    const char* label;
    const char* old_names;
    const char* new_names;
    std::map<std::string, std::string> after;  // name -> content
    size_t failed;
  } cases[] = {
      {"a->b fails, b->c", "a\r\nb\r\n", "b\r\nc", {{"a", "A"}, {"c", "B"}}, 1},
      {"b->c then a->b", "b\r\na\r\n", "c\r\nb", {{"b", "A"}, {"c", "B"}}, 0},
      {"a->b, b->a: both taken", "a\r\nb\r\n", "b\r\na\r\n", {{"a", "A"}, {"b", "B"}}, 2},
      {"two pairs, one new name", "a\r\nb\r\n", "n\r\nn\r\n", {{"n", "A"}, {"b", "B"}}, 1},
      {"same old and new name", "a\r\nb\r\n", "a\r\nz\r\n", {{"a", "A"}, {"z", "B"}}, 0},
  };
  for (const Case& c : cases) {
    TempDir fresh;
    fresh.Write("a", "A");
    fresh.Write("b", "B");
    fake.controls[Box::编辑框2] = fresh.str();
    fake.dialogs.messages.clear();
    Run(c.old_names, c.new_names);
    std::map<std::string, std::string> after;
    for (const std::string& name : fresh.Names()) after[name] = fresh.Read(name);
    EXPECT_EQ(after, c.after) << c.label;
    ASSERT_EQ(fake.dialogs.messages.size(), 1u) << c.label;
    const std::string& text = LastMessage().text;
    if (c.failed == 0) {
      EXPECT_EQ(text, Done()) << c.label;
    } else {
      EXPECT_NE(text.find(std::string(texts::kFailedCountBefore) + std::to_string(c.failed) +
                          std::string(texts::kFailedCountAfter)),
                std::string::npos)
          << c.label << ": " << text;
    }
  }
}

TEST_P(RenameBatch, FailureReportNamesThePairsAndTheReason) {
  dir.Write("a", "A");
  dir.Write("taken", "T");
  Run("a\r\nmissing\r\n", "taken\r\nnew\r\n");
  EXPECT_EQ(dir.Read("a"), "A");
  EXPECT_EQ(dir.Read("taken"), "T");
  EXPECT_EQ(LastMessage().caption, texts::kNoticeCaption);
  EXPECT_EQ(LastMessage().text, Done() + "\n其中 2 个文件未能处理：\n"
                                         "a → taken：File exists\n"
                                         "missing → new：No such file or directory");
}

TEST_P(RenameBatch, ReportListsTenFailuresThenAnEllipsis) {
  std::string old_names, new_names;
  for (int i = 0; i < 12; ++i) {
    old_names += "gone" + std::to_string(i) + "\r\n";
    new_names += "n" + std::to_string(i) + "\r\n";
  }
  Run(old_names, new_names);
  const std::string& text = LastMessage().text;
  EXPECT_NE(text.find("其中 12 个文件未能处理："), std::string::npos);
  EXPECT_NE(text.find("gone9 → n9："), std::string::npos);
  EXPECT_EQ(text.find("gone10"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 7), "\n……");
}

TEST_P(RenameBatch, NamesWithSeparatorsEmptyNamesAndNul) {
  dir.Write("a", "A");
  dir.Write("b", "B");
  dir.Write("c", "C");
  dir.Write("x", "X");
  std::filesystem::create_directory(dir / "sub");
  // a goes into the sub-directory; an empty old name would name the directory itself and is refused; an empty
  // new name names the directory; a NUL would cut "x\0y" to "x", another file. The report shows the NUL as
  // "\0", since a message box would end its text there.
  Run(std::string("a\r\n\r\nb\r\nx\0y\r\n", 13), std::string("sub/a2\r\n../moved\r\n\r\nz\r\n"));
  EXPECT_EQ(dir.Read("sub/a2"), "A");
  EXPECT_EQ(dir.Names(), (Names{"b", "c", "sub", "x"}));
  EXPECT_TRUE(std::filesystem::exists(dir.path()));
  const std::string& text = LastMessage().text;
  EXPECT_NE(text.find("其中 3 个文件未能处理："), std::string::npos) << text;
  EXPECT_NE(text.find(" → ../moved：" + std::string(texts::kEmptyOldName)), std::string::npos) << text;
  EXPECT_NE(text.find("x\\0y → z：" + std::string(texts::kNulInName)), std::string::npos) << text;
}

TEST_P(RenameBatch, HugeListsAndAHugeName) {
  // A million names split and pair; a single pasted line of 10 MB is a name no file system takes, and the end
  // message shows it cut short, at a character boundary.
  std::string million;
  for (int i = 0; i < 1000000; ++i) million += "n\r\n";
  EXPECT_EQ(SplitNameList(million).size(), 1000000u);
  dir.Write("a", "A");
  std::string huge;
  while (huge.size() < (10u << 20)) huge += "照片";
  Run("a\r\n", huge);
  EXPECT_EQ(dir.Read("a"), "A");
  const std::string& text = LastMessage().text;
  EXPECT_LT(text.size(), 1000u);
  const std::string shown = "a → " + huge.substr(0, 255) + "…：File name too long";  // 85 whole characters
  EXPECT_NE(text.find(shown), std::string::npos) << text;
}

TEST(BatchEndMessage, CutsALongGbkNameBetweenCharacters) {
  const PathRules gbk{'\\', [](unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }};
  const std::string name = "x" + std::string(400, '\xD5');  // "x" then two-byte characters
  const std::string text = BatchEndMessage(1, {{name, "y", "reason"}}, gbk);
  EXPECT_NE(text.find("\n" + name.substr(0, 255) + std::string(texts::kNameCut) + " → y："), std::string::npos);
}

TEST_P(RenameBatch, SeparatorAfterTheLastNameAddsNoPair) {
  dir.Write("a", "A");
  dir.Write("b", "B");
  Run("a\r\nb\r\n", "1\r\n2");
  EXPECT_EQ(dir.Names(), (Names{"1", "2"}));
  EXPECT_EQ(LastMessage().text, Done());
}

INSTANTIATE_TEST_SUITE_P(, RenameBatch, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "renameat2" : "link_unlink"; });

class CopyBatch : public ::testing::Test {
 protected:
  CopyBatch() : files(MakePosixFileSystem()), fake(*files) {
    fake.controls[Box::编辑框2] = source.str();
    fake.controls[Box::编辑框5] = target.str();
  }
  void Run(const std::string& old_names, const std::string& new_names) {
    fake.controls[Box::编辑框3] = old_names;
    fake.controls[Box::编辑框4] = new_names;
    RunBatch(fake.env);
  }
  TempDir source, target;
  std::unique_ptr<FileSystem> files;
  FakeEnv fake;
};

TEST_F(CopyBatch, CopiesReplaceTargetsAndLeaveSources) {
  source.Write("a", "A");
  source.Write("b", "B");
  source.Write("c", "C");
  target.Write("x", "old X");
  Run("a\r\nb\r\nc\r\n", "x\r\ny\r\ny\r\n");  // the later pair that names y wins
  EXPECT_EQ(source.Names(), (Names{"a", "b", "c"}));
  EXPECT_EQ(target.Names(), (Names{"x", "y"}));
  EXPECT_EQ(target.Read("x"), "A");
  EXPECT_EQ(target.Read("y"), "C");
  EXPECT_EQ(fake.dialogs.messages.back().text, Done());
}

TEST_F(CopyBatch, OneSpaceAsTargetSelectsCopying) {
  source.Write("a", "A");
  fake.controls[Box::编辑框5] = " ";
  Run("a\r\n", "b\r\n");
  EXPECT_EQ(source.Names(), Names{"a"});  // " /b" cannot be written here: the pair fails, nothing is renamed
  EXPECT_NE(fake.dialogs.messages.back().text.find("a → b："), std::string::npos);
}

}  // namespace
}  // namespace qm
