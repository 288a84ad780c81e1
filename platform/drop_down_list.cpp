// A drop-down list and what assistive technology reads of it.
#include "platform/drop_down_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace astrivo {
namespace {

class ListInterface : public QAccessibleWidget {
 public:
  explicit ListInterface(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  // The one child is the list of entries, shown or not.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
  }

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return List()->currentText();
    return QAccessibleWidget::text(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = List()->view()->isVisible();
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      List()->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  DropDownList* List() const { return static_cast<DropDownList*>(object()); }
};

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(DropDownList::staticMetaObject.className())) return nullptr;
  return new ListInterface(static_cast<DropDownList*>(object));
}

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(ListFactory);
    return true;
  }();
  (void)installed;
  // The closed list's entries show which one is current, as the open list does.
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    view()->selectionModel()->setCurrentIndex(model()->index(index, modelColumn()),
                                              QItemSelectionModel::ClearAndSelect);
  });
}

}  // namespace astrivo
