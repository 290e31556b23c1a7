// SplitNameList on any bytes: no name ever holds CR LF, joining the names gives the text back, and names written
// in the written form (each followed by CR LF) split back into exactly those names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rename/name_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto names = qm::SplitNameList(text);
  std::string joined;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].find("\r\n") != std::string_view::npos) std::abort();
    joined += names[i];
    if (i + 1 < names.size()) joined += "\r\n";
  }
  const bool ends_with_separator = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  if (joined != (ends_with_separator ? text.substr(0, text.size() - 2) : text)) std::abort();
  if (!text.empty() && names.empty()) std::abort();

  // The input read as names separated by the byte 0x1F (no name then holds CR LF once the pairs are removed).
  std::vector<std::string> written_names(1);
  for (char c : text) {
    if (c == '\x1F') {
      written_names.emplace_back();
    } else {
      written_names.back() += c;
      const std::string& name = written_names.back();
      if (name.size() >= 2 && name.compare(name.size() - 2, 2, "\r\n") == 0) written_names.back().pop_back();
    }
  }
  std::string written;
  for (const std::string& name : written_names) written += name + "\r\n";
  const auto back = qm::SplitNameList(written);
  if (back.size() != written_names.size()) std::abort();
  for (size_t i = 0; i < back.size(); ++i)
    if (back[i] != written_names[i]) std::abort();
  return 0;
}
