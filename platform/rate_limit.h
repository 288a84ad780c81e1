// Lets something happen at most once per interval on the monotonic clock, such as a name
// change that a screen reader would otherwise hear twenty times a second.
#pragma once

#include <QElapsedTimer>

namespace astrivo {

class RateLimit {
 public:
  explicit RateLimit(int intervalMs) : intervalMs_(intervalMs) {}

  // True when nothing was let through in the last interval; a true answer starts a new one.
  bool Allow();

 private:
  int intervalMs_;
  QElapsedTimer last_;  // started at the last true answer; invalid before the first
};

}  // namespace astrivo
