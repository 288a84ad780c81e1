// A label hidden from assistive technology.
#include "platform/skipped_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace astrivo {
namespace {

// Reports the label as not visible, which is what makes readers skip an object.
class SkippedInterface : public QAccessibleWidget {
 public:
  explicit SkippedInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* SkippedFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(SkippedLabel::staticMetaObject.className())) return nullptr;
  return new SkippedInterface(static_cast<QWidget*>(object));
}

}  // namespace

SkippedLabel::SkippedLabel(QWidget* parent) : QLabel(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(SkippedFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace astrivo
