// A role for assistive technology where Qt has none for a widget's class, such as the
// container of a native window that shows a picture.
#pragma once

#include <QAccessible>

class QWidget;

namespace astrivo {

// `widget` reports `role`. Qt's own interfaces for its standard widgets take precedence.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace astrivo
