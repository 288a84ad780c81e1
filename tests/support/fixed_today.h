// Today's date in the tests: while a FixedToday lives, kTestClock (the clock the tests hand to
// what they build) answers its date; with none alive, the system's. FixedTodays nest.
#pragma once

#include "engine/local_clock.h"

namespace astrivo {

class FixedToday {
 public:
  explicit FixedToday(LocalDate today) : previous_(innermost_), today_(today) {
    innermost_ = &today_;
  }
  ~FixedToday() { innermost_ = previous_; }
  FixedToday(const FixedToday&) = delete;
  FixedToday& operator=(const FixedToday&) = delete;

  static const LocalDate* Innermost() { return innermost_; }

 private:
  static inline const LocalDate* innermost_ = nullptr;
  const LocalDate* previous_;
  LocalDate today_;
};

class TestClock final : public LocalClock {
 public:
  LocalDate Today() const override {
    const LocalDate* fixed = FixedToday::Innermost();
    return fixed != nullptr ? *fixed : SystemClock().Today();
  }
};

inline const TestClock kTestClock{};

}  // namespace astrivo
