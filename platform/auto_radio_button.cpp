// Radio buttons that each form their own group.
#include "platform/auto_radio_button.h"

namespace astrivo {

AutoRadioButton::AutoRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
  setAutoExclusive(false);
}

// Without exclusivity Qt would toggle a checked button off again on a second click.
void AutoRadioButton::nextCheckState() { setChecked(true); }

}  // namespace astrivo
