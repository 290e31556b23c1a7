#include "platform/name_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qm {
namespace {

TEST(MatchNamePattern, Cases) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.*", "noext", true},     {"*.*", ".hidden", true},   {"*", "x", true},
      {"*.txt", "a.txt", true},   {"*.txt", "A.TXT", true},   {"*.txt", "a.txte", false},
      {"*.txt", "a.txt.bak", false}, {"*.txt", "txt", false}, {"*..txt", "e..txt", true},
      {"*..txt", "e.txt", false}, {"*. txt", "g. txt", true}, {"*.t?t", "a.tXt", true},
      {"*.t?t", "a.tt", false},   {"*.?", "照.片", true},     {"*.jp*", "a.jpeg", true},
      {"*.txt", "中文.TXT", true}, {"*.ä", "x.Ä", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchNamePattern(c.pattern, c.name), c.match) << c.pattern << " / " << c.name;
  }
}

TEST(ListsBefore, OrdersAsAnNtfsFolderListsIt) {
  std::vector<std::string> names = {"b", "_x", "a", "B", "10", "2", "中", "A", "ab"};
  std::sort(names.begin(), names.end(), ListsBefore);
  EXPECT_EQ(names, (std::vector<std::string>{"10", "2", "A", "a", "ab", "B", "b", "_x", "中"}));
}

}  // namespace
}  // namespace qm
