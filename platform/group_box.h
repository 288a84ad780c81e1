// A group box with an etched frame broken by its caption, and nothing inside, so the
// controls it surrounds show through unchanged.
#pragma once

#include <QGroupBox>

namespace astrivo {

class GroupBox : public QGroupBox {
  Q_OBJECT

 public:
  GroupBox(const QString& title, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace astrivo
