// A push button that shows a dotted focus rectangle inside its face while it has the focus,
// so a keyboard user sees which button Space presses; the style alone draws a focused button and the
// default button alike.
#pragma once

#include <QPushButton>

namespace astrivo {

class PushButton : public QPushButton {
  Q_OBJECT

 public:
  explicit PushButton(const QString& text, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace astrivo
