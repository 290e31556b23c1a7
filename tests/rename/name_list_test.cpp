#include "rename/name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

struct SplitCase {
  const char* label;
  std::string text;
  std::vector<std::string> names;
};

// The written form, blank lines, lone CR and LF, and names in GBK and UTF-8. A byte of 128 or more never
// swallows the CR of the separator after it.
const SplitCase kSplitCases[] = {
    {"empty", "", {}},
    {"one name", "a", {"a"}},
    {"one name, separator after it", "a\r\n", {"a"}},
    {"two names", "a\r\nb", {"a", "b"}},
    {"written form", "a\r\nb\r\n", {"a", "b"}},
    {"separator alone", "\r\n", {""}},
    {"two separators", "\r\n\r\n", {"", ""}},
    {"blank line between", "a\r\n\r\nb", {"a", "", "b"}},
    {"two separators at the end", "a\r\n\r\n", {"a", ""}},
    {"separator first", "\r\na", {"", "a"}},
    {"lone LF", "a\nb", {"a\nb"}},
    {"lone CR", "a\rb", {"a\rb"}},
    {"CR before separator", "a\r\r\nb", {"a\r", "b"}},
    {"CR at the end", "a\r\nb\r", {"a", "b\r"}},
    {"LF then separator", "\n\r\n", {"\n"}},
    {"separator then LF", "\r\n\n", {"", "\n"}},
    {"spaces kept", " a \r\n b ", {" a ", " b "}},
    {"GBK name", "\xD6\xD0\r\nx", {"\xD6\xD0", "x"}},
    {"GBK names", "\xD6\xD0\xCE\xC4\r\n\xB6\xFE\r\n", {"\xD6\xD0\xCE\xC4", "\xB6\xFE"}},
    {"lone high byte before separator", "\xD6\r\nx", {"\xD6", "x"}},
    {"0x80 before separator", "x\x80\r\ny\r\n", {"x\x80", "y"}},
    {"high byte at the end", "ab\xD6", {"ab\xD6"}},
    {"UTF-8 names ending in Chinese", "照片一.jpg\r\n文档二\r\n说明\r\n", {"照片一.jpg", "文档二", "说明"}},
};

TEST(SplitNameList, Cases) {
  for (const SplitCase& c : kSplitCases) {
    const std::vector<std::string_view> got = SplitNameList(c.text);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.end()), c.names) << c.label;
  }
}

TEST(SplitNameList, WrittenFormSplitsBackIntoTheSameNames) {
  const std::vector<std::string> names = {"a.txt", "", "b c", "\xE4\xB8\xAD", "x\r", "\ny"};
  std::string text;
  for (const std::string& name : names) text += name + "\r\n";
  const std::vector<std::string_view> got = SplitNameList(text);
  EXPECT_EQ(std::vector<std::string>(got.begin(), got.end()), names);
}

}  // namespace
}  // namespace qm
