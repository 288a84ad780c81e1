// The dialog's context menu on the sky view. The view is a native window of its own, so
// Qt's context-menu handling of the dialog never sees a right click into it.
#pragma once

#include <QObject>

class QWindow;
class QWidget;

namespace astrivo {

class ViewContextMenu : public QObject {
  Q_OBJECT

 public:
  // Shows `dialog`'s actions as a menu where the right button is released over `view`.
  ViewContextMenu(QWindow& view, QWidget& dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& dialog_;
};

}  // namespace astrivo
