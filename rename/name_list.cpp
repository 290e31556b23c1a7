#include "rename/name_list.h"

#include <cstring>

namespace qm {

// CR never occurs inside a GBK or UTF-8 multi-byte character, so the separator is found by a plain byte search.
std::vector<std::string_view> SplitNameList(std::string_view text) {
  std::vector<std::string_view> names;
  const char* data = text.data();
  const size_t size = text.size();
  size_t start = 0;
  size_t pos = 0;
  while (pos + 1 < size) {
    const void* cr = std::memchr(data + pos, '\r', size - 1 - pos);  // a CR that has a byte after it
    if (cr == nullptr) break;
    const size_t at = static_cast<const char*>(cr) - data;
    if (data[at + 1] == '\n') {
      names.emplace_back(data + start, at - start);
      start = at + 2;
      pos = start;
    } else {
      pos = at + 1;
    }
  }
  if (start < size) names.emplace_back(data + start, size - start);
  return names;
}

}  // namespace qm
