// Turns one row of a dialog layout into the standard widget for its kind.
#pragma once

#include <QWidget>

#include "platform/dialog_template.h"

namespace astrivo {

// The widget for `control`, a child of `parent`, with its caption, style and focus policy
// set; the caller places it.
QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent);

// The caption without mnemonic marks ("&Today" reads "Today", "&&" reads "&").
QString PlainCaption(const char* caption);

}  // namespace astrivo
