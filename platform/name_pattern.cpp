#include "platform/name_pattern.h"

#include <cstdint>
#include <cstring>

namespace qm {
namespace {

unsigned char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte;
}

// Length of the character that starts at `at`: a UTF-8 lead byte takes its continuation bytes along.
size_t CharLength(std::string_view text, size_t at) {
  size_t end = at + 1;
  if (static_cast<unsigned char>(text[at]) >= 0xC0) {
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return end - at;
}

}  // namespace

bool MatchNamePattern(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  // Greedy match that backtracks to the last "*": linear in practice, never worse than the product of lengths.
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_n = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += CharLength(name, n);
    } else if (p < pattern.size() && Fold(pattern[p]) == Fold(name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      star_n += CharLength(name, star_n);
      n = star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool ListsBefore(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  // Names of one folder share long prefixes: skip bytes that are equal as they stand, fold only where they differ.
  for (size_t i = 0; i < common; ++i) {
    for (uint64_t x, y; i + 8 <= common; i += 8) {
      std::memcpy(&x, a.data() + i, 8);
      std::memcpy(&y, b.data() + i, 8);
      if (x != y) break;
    }
    while (i < common && a[i] == b[i]) ++i;
    if (i == common) break;
    const unsigned char fa = Fold(a[i]), fb = Fold(b[i]);
    if (fa != fb) return fa < fb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace qm
