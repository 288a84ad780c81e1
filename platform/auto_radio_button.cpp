// Radio buttons that each form their own group.
#include "platform/auto_radio_button.h"

#include <QButtonGroup>

namespace astrivo {

AutoRadioButton::AutoRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
  // A group of one that does not exclude: the button clears no neighbour, yet it stays
  // exclusive in kind, so assistive technology reads it as the radio button it is, not as
  // a check box.
  auto* group = new QButtonGroup(this);
  group->setExclusive(false);
  group->addButton(this);
  setAutoExclusive(true);
}

// Without exclusivity Qt would toggle a checked button off again on a second click.
void AutoRadioButton::nextCheckState() { setChecked(true); }

}  // namespace astrivo
