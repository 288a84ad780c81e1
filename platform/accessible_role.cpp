// Accessible roles set per widget, through one interface factory.
#include "platform/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace astrivo {
namespace {

constexpr const char* kRoleProperty = "astrivoAccessibleRole";
constexpr const char* kHiddenProperty = "astrivoAccessibleHidden";

class RoleInterface : public QAccessibleWidget {
 public:
  RoleInterface(QWidget* widget, QAccessible::Role role, bool hidden)
      : QAccessibleWidget(widget, role), hidden_(hidden) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (hidden_) state.invisible = true;
    return state;
  }

 private:
  bool hidden_;
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new RoleInterface(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()),
                           object->property(kHiddenProperty).toBool());
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role, ReaderVisibility visibility) {
  static const bool installed = [] {
    QAccessible::installFactory(RoleFactory);
    return true;
  }();
  (void)installed;
  const bool hidden = visibility == ReaderVisibility::kHidden;
  widget->setProperty(kRoleProperty, int(role));
  widget->setProperty(kHiddenProperty, hidden);
  // With a screen reader running, Qt made the widget's interface when the widget was
  // created; dropping it lets the factory make the new one.
  if (QAccessible::isActive()) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
      if (made->role() != role || made->state().invisible != hidden) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
      }
    }
  }
}

}  // namespace astrivo
