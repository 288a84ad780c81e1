// The system's clock: localtime_r of the current time.
#include "engine/local_clock.h"

#include <ctime>

namespace astrivo {

LocalDate SystemClock::Today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return LocalDate{};
  return LocalDate{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

}  // namespace astrivo
