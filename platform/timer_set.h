// Timers named by small integer ids, as dialogs use them: one timer per id, and starting an
// id that runs already restarts it with the new period.
#pragma once

#include <functional>
#include <map>

#include <QObject>

namespace astrivo {

class TimerSet : public QObject {
  Q_OBJECT

 public:
  using Tick = std::function<void(int id)>;
  explicit TimerSet(Tick tick, QObject* parent = nullptr);

  void Start(int id, int milliseconds);
  void Stop(int id);  // nothing happens for an id that is not running
  bool IsRunning(int id) const;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  friend class TimerPeer;  // ticks a timer at once and reads the period it runs at

  struct Running {
    int qtId;
    int period;  // milliseconds
  };

  Tick tick_;
  std::map<int, Running> running_;
};

}  // namespace astrivo
