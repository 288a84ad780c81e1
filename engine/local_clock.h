// Today's local date, through one seam that tests can set to any day.
#pragma once

namespace astrivo {

struct LocalDate {
  int day = 1;
  int month = 1;  // 1 = January
  int year = 2000;
};

// The local clock's date (local time zone, four-digit year), unless a FixedToday is alive.
LocalDate LocalToday();

// While it lives, LocalToday() answers the given date. Nests: the previous answer comes back
// when it goes. Single-threaded, like the rest of the program.
class FixedToday {
 public:
  explicit FixedToday(LocalDate today);
  ~FixedToday();
  FixedToday(const FixedToday&) = delete;
  FixedToday& operator=(const FixedToday&) = delete;

 private:
  const LocalDate* previous_;
  LocalDate today_;
};

}  // namespace astrivo
