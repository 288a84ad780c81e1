// The local clock seam: localtime_r of the current time unless a test has fixed the day.
#include "engine/local_clock.h"

#include <ctime>

namespace astrivo {

namespace {

const LocalDate* fixedToday = nullptr;  // the innermost live FixedToday, if any

}  // namespace

LocalDate LocalToday() {
  if (fixedToday != nullptr) return *fixedToday;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return LocalDate{};
  return LocalDate{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

FixedToday::FixedToday(LocalDate today) : previous_(fixedToday), today_(today) {
  fixedToday = &today_;
}

FixedToday::~FixedToday() { fixedToday = previous_; }

}  // namespace astrivo
