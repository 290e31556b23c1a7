#include <ctime>

#include "platform/clock.h"

namespace qm {

LocalDateTime SystemClock::Now() {
  const time_t now = time(nullptr);
  struct tm local {};
  localtime_s(&local, &now);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace qm
