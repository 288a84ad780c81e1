// Focus guard for the sky view.
#include "app/view_focus_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace astrivo {

ViewFocusGuard::ViewFocusGuard(QWindow& view, QWidget& dialog)
    : QObject(&dialog), view_(view), dialog_(dialog) {
  view.installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now->window() == &dialog_) lastFocus_ = now;
  });
  // The window container clears the dialog's focus when its window takes the focus.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
    if (now == &view_ && lastFocus_ != nullptr) lastFocus_->setFocus(Qt::OtherFocusReason);
  });
}

bool ViewFocusGuard::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  if (watched == &view_ && key && dialog_.windowHandle() != nullptr) {
    QCoreApplication::sendEvent(dialog_.windowHandle(), event);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace astrivo
