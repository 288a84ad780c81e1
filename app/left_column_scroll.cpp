// The left column's scroll bar and the moves it makes.
#include "app/left_column_scroll.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace astrivo {
namespace {

// Pixels kept free above and below a control scrolled into view, so that its focus frame and
// the line of its group box show with it.
constexpr int kRevealMargin = 6;
constexpr int kLineStep = 20;  // pixels per arrow click or wheel notch

}  // namespace

LeftColumnScroll::LeftColumnScroll(QWidget& dialog, const std::vector<QWidget*>& column,
                                   int layoutHeight, int viewLeft)
    : QObject(&dialog), dialog_(dialog), layoutHeight_(layoutHeight) {
  for (QWidget* control : column) {
    column_.emplace_back(control, control->pos());
    right_ = std::max(right_, control->geometry().right() + 1);
  }
  bar_ = new QScrollBar(Qt::Vertical, &dialog);
  bar_->setObjectName(QStringLiteral("leftColumnScrollBar"));
  bar_->setAccessibleName(tr("Date, input and horoscope"));
  // Tab and the focus change that follows it bring each control into view already.
  bar_->setFocusPolicy(Qt::NoFocus);
  bar_->setSingleStep(kLineStep);
  bar_->setFixedWidth(viewLeft - right_);
  bar_->hide();
  connect(bar_, &QScrollBar::valueChanged, this, &LeftColumnScroll::ScrollTo);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Reveal(now); });
  dialog.installEventFilter(this);
}

void LeftColumnScroll::Fit(int clientHeight) {
  const int hidden = std::max(0, layoutHeight_ - clientHeight);
  bar_->setRange(0, hidden);
  bar_->setPageStep(clientHeight);
  bar_->setGeometry(right_, 0, bar_->width(), clientHeight);
  bar_->setVisible(hidden > 0);
  ScrollTo(bar_->value());
}

void LeftColumnScroll::ScrollTo(int offset) {
  for (const auto& [control, place] : column_) control->move(place - QPoint(0, offset));
}

void LeftColumnScroll::Reveal(QWidget* focused) {
  if (focused == nullptr || !bar_->isVisible()) return;
  for (const auto& [control, place] : column_) {
    if (control != focused && !control->isAncestorOf(focused)) continue;
    const int top = place.y() - kRevealMargin;
    const int bottom = place.y() + control->height() + kRevealMargin;
    const int shown = bar_->pageStep();
    if (top < bar_->value()) {
      bar_->setValue(top);
    } else if (bottom > bar_->value() + shown) {
      bar_->setValue(bottom - shown);
    }
    return;
  }
}

bool LeftColumnScroll::eventFilter(QObject* watched, QEvent* event) {
  // Wheel turns that no control over the column takes reach the dialog; they scroll it.
  if (watched == &dialog_ && event->type() == QEvent::Wheel && bar_->isVisible()) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->position().x() < right_ + bar_->width()) {
      QApplication::sendEvent(bar_, event);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace astrivo
