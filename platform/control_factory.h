// Turns one row of a dialog layout into the standard widget for its kind.
#pragma once

#include <QWidget>

#include "platform/dialog_template.h"

namespace astrivo {

// The widget for `control`, a child of `parent`, with its caption, style and focus policy
// set; the caller places it.
QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent);

// Where a static text or an edit field puts its text: left, right or centred per the style,
// and always at the top, whatever the control's height.
Qt::Alignment TextAlignment(const ControlTemplate& control);

// The caption without mnemonic marks ("&Today" reads "Today", "&&" reads "&").
QString PlainCaption(const char* caption);

}  // namespace astrivo
