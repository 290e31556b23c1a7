#include <unistd.h>

#include <string>

#include "platform/path_rules.h"

namespace qm {

PathRules NativePathRules() { return {'/', nullptr}; }

std::string RunDirectory() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<size_t>(length) < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // the whole path must fit
  }
  return CutBeforeLastSeparator(path, NativePathRules());
}

}  // namespace qm
