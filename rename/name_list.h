#pragma once
// A name list text: names separated by CR LF. The list written by ReadNames ends with CR LF after its last name.
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::string_view kNameSeparator = "\r\n";

/// Splits `text` at every CR LF into names, in order. An empty text gives no names; a CR LF at the very end adds
/// no empty name; every other CR LF stands between two names, so blank lines are empty names. A lone CR or LF is
/// an ordinary byte. The names are views into `text`.
std::vector<std::string_view> SplitNameList(std::string_view text);

}  // namespace qm
