// A dialog's accessible interface: the children in reading order, hit tests by stacking.
#include "platform/dialog_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>

#include "platform/dialog.h"

namespace astrivo {
namespace {

// What assistive technology counts as a child of the dialog: its own widgets, but no
// windows (menus, popups, other dialogs) and no focus decoration.
bool IsReadChild(const QWidget* widget, const QWidget* dialog) {
  return widget != nullptr && widget->parentWidget() == dialog && !widget->isWindow() &&
         qobject_cast<const QMenu*>(widget) == nullptr &&
         qobject_cast<const QFocusFrame*>(widget) == nullptr;
}

class DialogInterface : public QAccessibleWidget {
 public:
  explicit DialogInterface(Dialog* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

  // Asked each time: the interface may be made while the dialog is still being built.
  QAccessible::Role role() const override {
    return static_cast<const Dialog*>(widget())->IsAppWindow() ? QAccessible::Window
                                                               : QAccessible::Dialog;
  }

  int childCount() const override { return static_cast<int>(Children().size()); }

  QAccessibleInterface* child(int index) const override {
    const QWidgetList children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

  // The control the user sees at a point is the topmost one there, whatever its place in
  // the reading order: a frame comes before the fields it surrounds but lies beneath them.
  QAccessibleInterface* childAt(int x, int y) const override {
    QWidget* dialog = widget();
    QWidget* hit = dialog->childAt(dialog->mapFromGlobal(QPoint(x, y)));
    while (hit != nullptr && hit->parentWidget() != dialog) hit = hit->parentWidget();
    if (!IsReadChild(hit, dialog)) return nullptr;
    return QAccessible::queryAccessibleInterface(hit);
  }

 private:
  QWidgetList Children() const {
    const auto* dialog = static_cast<const Dialog*>(widget());
    QWidgetList children;
    for (QWidget* listed : dialog->ReadingOrder()) {
      if (IsReadChild(listed, dialog) && !children.contains(listed)) children.append(listed);
    }
    for (QObject* object : dialog->children()) {
      auto* other = qobject_cast<QWidget*>(object);
      if (IsReadChild(other, dialog) && !children.contains(other)) children.append(other);
    }
    return children;
  }
};

QAccessibleInterface* DialogFactory(const QString&, QObject* object) {
  auto* dialog = qobject_cast<Dialog*>(object);
  return dialog != nullptr ? new DialogInterface(dialog) : nullptr;
}

}  // namespace

void InstallDialogAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory(DialogFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace astrivo
