// A rate limit on the monotonic clock.
#include "platform/rate_limit.h"

namespace astrivo {

bool RateLimit::Allow() {
  if (last_.isValid() && !last_.hasExpired(intervalMs_)) return false;
  last_.start();
  return true;
}

}  // namespace astrivo
