#pragma once
// The local date and time in whole seconds.

namespace qm {

struct LocalDateTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
};

/// time() converted with the C library's local time rules; the fraction of the second is dropped.
class SystemClock : public Clock {
 public:
  LocalDateTime Now() override;
};

}  // namespace qm
