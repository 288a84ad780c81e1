// Today's local date. The program reads the system's clock; whatever needs today is handed a
// clock, so that a test can hand it one of its own.
#pragma once

namespace astrivo {

struct LocalDate {
  int day = 1;
  int month = 1;  // 1 = January
  int year = 2000;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalDate Today() const = 0;
};

// The system's clock: local time zone, four-digit year.
class SystemClock final : public LocalClock {
 public:
  LocalDate Today() const override;
};

}  // namespace astrivo
