// The cut of the executable's path before its last separator, under both lead-byte rules: for any folder made of
// valid GBK characters (whose second bytes may be 0x5C) or of any bytes under UTF-8, the folder followed by the
// separator and a file name cuts back to exactly the folder.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/path_rules.h"

namespace {

bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // GBK: the input decides each character: ASCII, or a lead byte with a trail byte from 0x40 to 0xFE.
  std::string gbk_folder;
  for (size_t i = 0; i < size; ++i) {
    const uint8_t byte = data[i];
    if (byte < 0x80) {
      gbk_folder += char(byte == 0 ? 'a' : byte);
    } else if (i + 1 < size) {
      const uint8_t trail = 0x40 + data[++i] % 0xBF;
      gbk_folder += char(0x81 + (byte - 0x80) % 0x7E);
      gbk_folder += char(trail == 0x7F ? 0x5C : trail);
    }
  }
  const qm::PathRules gbk{'\\', &GbkLeadByte};
  if (qm::CutBeforeLastSeparator(gbk_folder + "\\app.exe", gbk) != gbk_folder) std::abort();

  const std::string utf8_folder(reinterpret_cast<const char*>(data), size);
  const qm::PathRules utf8{'/', nullptr};
  if (qm::CutBeforeLastSeparator(utf8_folder + "/app", utf8) != utf8_folder) std::abort();
  const std::string cut = qm::CutBeforeLastSeparator(utf8_folder, utf8);
  const size_t slash = utf8_folder.rfind('/');
  if (cut != (slash == std::string::npos ? std::string() : utf8_folder.substr(0, slash))) std::abort();
  return 0;
}
