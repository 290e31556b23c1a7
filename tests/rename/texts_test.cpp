#include "rename/texts.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The Linux program holds its texts as UTF-8 (the Windows build checks its GBK bytes in its own tests).
TEST(Texts, AreUtf8OnLinux) {
  EXPECT_EQ(texts::kNoticeCaption, "\xE6\x8F\x90\xE7\xA4\xBA");  // 提示
  EXPECT_EQ(texts::kExportBaseName, "\xE9\x87\x8D\xE5\x91\xBD\xE5\x90\x8D");  // 重命名
  EXPECT_EQ(texts::kYear, "\xE5\xB9\xB4");  // 年
  EXPECT_EQ(texts::k标签4.substr(texts::k标签4.find('\r'), 2), "\r\n");
}

}  // namespace
}  // namespace qm
