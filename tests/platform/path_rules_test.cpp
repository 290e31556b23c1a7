#include "platform/path_rules.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace qm {
namespace {

bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(CutBeforeLastSeparator, UnderEachLeadByteRule) {
  const PathRules gbk{'\\', &GbkLeadByte};
  const PathRules utf8{'/', nullptr};
  struct Case {
    const PathRules& rules;
    std::string path, directory;
  } cases[] = {
      {gbk, "D:\\tools\\app.exe", "D:\\tools"},
      {gbk, "D:\\app.exe", "D:"},
      {gbk, "app.exe", ""},
      {gbk, "D:\\\xE2\x5C\\app.exe", "D:\\\xE2\x5C"},  // 怽 ends in the byte 0x5C
      {gbk, "D:\\\xE2\x5C", "D:"},
      {utf8, "/opt/qm/照片/app", "/opt/qm/照片"},  // "/" right after a Chinese character
      {utf8, "/app", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutBeforeLastSeparator(c.path, c.rules), c.directory) << c.path;
}

TEST(RunDirectory, IsTheExecutablesFolder) {
  EXPECT_EQ(RunDirectory(), std::filesystem::canonical("/proc/self/exe").parent_path().string());
}

}  // namespace
}  // namespace qm
