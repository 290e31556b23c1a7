#pragma once
// How the system writes paths: its separator, and which bytes start a two-byte character in its code page.
#include <string>
#include <string_view>

namespace qm {

struct PathRules {
  char separator = '/';
  /// True for a byte that starts a two-byte character, whose second byte must never be taken for a separator.
  bool (*is_lead_byte)(unsigned char) = nullptr;
};

/// The rules of the system the program runs on: "\" and the ANSI code page's lead bytes on Windows;
/// "/" and no lead bytes under UTF-8 on Linux (no byte of a UTF-8 multi-byte character is below 0x80).
PathRules NativePathRules();

/// `path` cut before its last separator, found by a scan that steps over two-byte characters; the empty text
/// when it holds no separator.
std::string CutBeforeLastSeparator(std::string_view path, const PathRules& rules);

/// The directory of the running executable, without a trailing separator.
std::string RunDirectory();

}  // namespace qm
