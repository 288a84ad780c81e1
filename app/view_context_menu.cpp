// Context menu on the sky view.
#include "app/view_context_menu.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

namespace astrivo {

ViewContextMenu::ViewContextMenu(QWindow& view, QWidget& dialog)
    : QObject(&dialog), dialog_(dialog) {
  view.installEventFilter(this);
}

bool ViewContextMenu::eventFilter(QObject* watched, QEvent* event) {
  // The menu comes on the release of the right button, not on its press.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
      !dialog_.actions().isEmpty()) {
    QMenu menu(&dialog_);
    menu.addActions(dialog_.actions());
    menu.exec(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace astrivo
