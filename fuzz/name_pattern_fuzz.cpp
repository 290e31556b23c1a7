// The Linux search pattern matcher and listing order on any bytes: "*.*" and "*" match everything, a pattern
// without wildcards matches its own name whatever the case of ASCII letters, "*" followed by a tail of the name
// (from a character boundary) matches it, and the listing order is a strict weak order.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/name_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string pattern = input.substr(0, split);
  const std::string name = split == std::string::npos ? input : input.substr(split + 1);
  using qm::MatchNamePattern;

  (void)MatchNamePattern(pattern, name);  // any pattern against any name: no crash, no hang
  if (!MatchNamePattern("*.*", name) || !MatchNamePattern("*", name)) std::abort();
  if (name.find_first_of("*?") == std::string::npos) {
    std::string upper = name;
    for (char& c : upper)
      if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (!MatchNamePattern(name, upper) || !MatchNamePattern(upper, name)) std::abort();
    // "*" stands for whole characters: a tail that starts inside a UTF-8 sequence is no tail of the name.
    for (size_t tail = 0; tail <= name.size(); tail += 1 + tail) {
      const bool inside_character = tail < name.size() && (static_cast<unsigned char>(name[tail]) & 0xC0) == 0x80;
      if (!inside_character && !MatchNamePattern("*" + name.substr(tail), name)) std::abort();
    }
  }
  if (qm::ListsBefore(name, name)) std::abort();
  if (qm::ListsBefore(pattern, name) && qm::ListsBefore(name, pattern)) std::abort();
  if (pattern != name && !qm::ListsBefore(pattern, name) && !qm::ListsBefore(name, pattern)) std::abort();
  return 0;
}
