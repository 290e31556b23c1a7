#include <windows.h>

#include <string>

#include "platform/path_rules.h"

namespace qm {
namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

PathRules NativePathRules() { return {'\\', &IsAnsiLeadByte}; }

std::string RunDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {  // the call cuts a longer path to the buffer and says nothing else
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return CutBeforeLastSeparator(path, NativePathRules());
}

}  // namespace qm
