// FormatDateTimeText for any date and time: the text reads back as the same six numbers (a missing time field
// is 0), so two moments never share an export file name unless they fall on the same second.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rename/export_names.h"
#include "rename/texts.h"

namespace {

// Reads "<number><unit>" at `at`; false when the text does not continue so.
bool ReadField(const std::string& text, size_t& at, std::string_view unit, int& value) {
  size_t end = at;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  if (end == at || (text[at] == '0' && end - at > 1)) return false;  // no number, or a leading zero
  if (text.compare(end, unit.size(), unit) != 0) return false;
  value = std::stoi(text.substr(at, end - at));
  at = end + unit.size();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  const int in[6] = {1970 + data[0] * 4, 1 + data[1] % 12, 1 + data[2] % 31, data[3] % 24, data[4] % 60, data[5] % 60};
  const std::string text = qm::FormatDateTimeText(in[0], in[1], in[2], in[3], in[4], in[5]);
  namespace t = qm::texts;
  int out[6] = {0, 0, 0, 0, 0, 0};
  size_t at = 0;
  const std::string_view units[6] = {t::kYear, t::kMonth, t::kDay, t::kHour, t::kMinute, t::kSecond};
  for (int field = 0; field < 6 && at < text.size(); ++field)
    if (!ReadField(text, at, units[field], out[field])) std::abort();
  if (at != text.size()) std::abort();
  for (int field = 0; field < 6; ++field)
    if (out[field] != in[field]) std::abort();
  return 0;
}
