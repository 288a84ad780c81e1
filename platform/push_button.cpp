// Push button with a focus rectangle.
#include "platform/push_button.h"

#include <QPainter>

namespace astrivo {
namespace {

constexpr int kFocusInset = 4;  // pixels between the button's edge and its focus rectangle

}  // namespace

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void PushButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

}  // namespace astrivo
