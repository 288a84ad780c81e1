// A role for assistive technology where Qt has none for a widget's class, such as the
// container of a native window that shows a picture, and a way to keep readers off a
// widget that only decorates.
#pragma once

#include <QAccessible>

class QWidget;

namespace astrivo {

enum class ReaderVisibility {
  kShown,
  kHidden,  // reported as not visible, which makes screen readers pass it by
};

// `widget` reports `role`, and is shown to readers or hidden from them.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role,
                       ReaderVisibility visibility = ReaderVisibility::kShown);

}  // namespace astrivo
