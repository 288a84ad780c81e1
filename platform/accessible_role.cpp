// Accessible roles set per widget, through one interface factory.
#include "platform/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace astrivo {
namespace {

constexpr const char* kRoleProperty = "astrivoAccessibleRole";

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(RoleFactory);
    return true;
  }();
  (void)installed;
  widget->setProperty(kRoleProperty, int(role));
  // With a screen reader running, Qt made the widget's interface when the widget was
  // created; dropping it lets the factory make the new one.
  if (QAccessible::isActive()) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
      if (made->role() != role) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
  }
}

}  // namespace astrivo
