#include "platform/path_rules.h"

namespace qm {

std::string CutBeforeLastSeparator(std::string_view path, const PathRules& rules) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte == static_cast<unsigned char>(rules.separator)) {
      last = i;
    } else if (rules.is_lead_byte && rules.is_lead_byte(byte)) {
      ++i;  // the trail byte may have the separator's value
    }
  }
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

}  // namespace qm
