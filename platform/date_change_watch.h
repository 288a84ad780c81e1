// Tells when the local date may have changed: at local midnight, when the system clock is set,
// after a suspend, and when the system's time zone changes. Costs nothing in between: a
// timer the kernel runs on the wall clock, and a watch on the time zone file's folder.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace astrivo {

class DateChangeWatch : public QObject {
  Q_OBJECT

 public:
  explicit DateChangeWatch(QObject* parent = nullptr);
  ~DateChangeWatch() override;
  DateChangeWatch(const DateChangeWatch&) = delete;
  DateChangeWatch& operator=(const DateChangeWatch&) = delete;

 signals:
  // The date may be another one now; read the clock again.
  void Changed();

 private:
  void ArmForNextMidnight();
  void OnTimer();
  void OnZoneFolder();

  int timer_ = -1;
  int zoneWatch_ = -1;
  QSocketNotifier* timerNotifier_ = nullptr;
  QSocketNotifier* zoneNotifier_ = nullptr;
};

}  // namespace astrivo
