// Keeps the keyboard with the dialog's controls when the sky view is clicked. The view's
// window refuses the focus, which X11 honours; Qt on Wayland still makes the clicked
// subsurface the focus window, and keys would then go to the view, which takes none.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

namespace astrivo {

class ViewFocusGuard : public QObject {
  Q_OBJECT

 public:
  ViewFocusGuard(QWindow& view, QWidget& dialog);

 protected:
  // Keys that reach the view go on to the dialog's focused control.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWindow& view_;
  QWidget& dialog_;
  QPointer<QWidget> lastFocus_;  // the dialog's control that had the focus last
};

}  // namespace astrivo
