// A static text that screen readers pass by, because another control already reads out
// what it shows (the day and year of a date read as one from its month static).
#pragma once

#include <QLabel>

namespace astrivo {

class SkippedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SkippedLabel(QWidget* parent = nullptr);
};

}  // namespace astrivo
