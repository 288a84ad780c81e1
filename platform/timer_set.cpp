// Dialog timers on Qt's object timers.
#include "platform/timer_set.h"

#include <algorithm>
#include <utility>

#include <QTimerEvent>

namespace astrivo {
namespace {

// Shorter periods are raised to this, the shortest a dialog timer runs at; a period of 0
// would otherwise fire on every pass of the event loop.
constexpr int kMinimumPeriod = 10;  // milliseconds

}  // namespace

TimerSet::TimerSet(Tick tick, QObject* parent) : QObject(parent), tick_(std::move(tick)) {}

void TimerSet::Start(int id, int milliseconds) {
  Stop(id);
  const int period = std::max(milliseconds, kMinimumPeriod);
  const int qtId = startTimer(period);
  if (qtId != 0) running_[id] = {qtId, period};
}

void TimerSet::Stop(int id) {
  const auto found = running_.find(id);
  if (found == running_.end()) return;
  killTimer(found->second.qtId);
  running_.erase(found);
}

bool TimerSet::IsRunning(int id) const { return running_.count(id) != 0; }

void TimerSet::timerEvent(QTimerEvent* event) {
  for (const auto& [id, running] : running_) {
    if (running.qtId == event->timerId()) {
      // The handler may stop or restart timers, so the map is not touched after this.
      if (tick_) tick_(id);
      return;
    }
  }
  QObject::timerEvent(event);
}

}  // namespace astrivo
