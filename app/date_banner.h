// The dark blue strip at the top of the main dialog that shows today's date.
#pragma once

#include <QString>
#include <QWidget>

#include "engine/local_clock.h"

namespace astrivo {

class DateBanner : public QWidget {
  Q_OBJECT

 public:
  // The clock is not owned and outlives the banner.
  explicit DateBanner(const LocalClock& clock, QWidget* parent = nullptr);

  // "Todays date: Sunday December 06, 2026", in English whatever the user's locale.
  static QString TextFor(const LocalDate& date);
  QString Text() const;  // for today

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void NameToday();  // the accessible name reads today's text

  const LocalClock& clock_;
};

}  // namespace astrivo
