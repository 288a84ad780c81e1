// A dialog's timers stepped at once instead of waited for: each tick takes the path a timer
// event takes, and the period the timer asks for is checked on every tick.
#pragma once

#include <QtTest>

#include "platform/dialog.h"
#include "platform/timer_set.h"

namespace astrivo {

class TimerPeer {
 public:
  // The period timer `id` of `dialog` runs at, in milliseconds; 0 while it is stopped.
  static int Period(const Dialog& dialog, int id) {
    const auto found = dialog.timers_.running_.find(id);
    return found == dialog.timers_.running_.end() ? 0 : found->second.period;
  }

  // Ticks timer `id` until it stops, each tick checked to find it running at `period` ms.
  // Returns the number of ticks, or -1 if it still ran after `limit` of them.
  static int RunOut(Dialog& dialog, int id, int period, int limit = 100000) {
    int ticks = 0;
    while (dialog.IsTimerRunning(id)) {
      if (ticks == limit) return -1;
      const int asked = Period(dialog, id);
      if (asked != period) {
        qWarning("timer %d ran at %d ms, not %d", id, asked, period);
        return -1;
      }
      dialog.timers_.tick_(id);
      ++ticks;
    }
    return ticks;
  }
};

}  // namespace astrivo
