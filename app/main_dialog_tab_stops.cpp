// The main dialog's extra tab stops.
#include "app/main_dialog_tab_stops.h"

#include "app/main_dialog_layout.h"
#include "platform/dialog.h"

namespace astrivo {

void AddKeyboardStops(Dialog& dialog) {
  // Qt's setTabOrder does nothing when only controls without focus lie between the two,
  // counting round the end of the chain: the sign list, first in the layout, would stay
  // before the tilt slider. With the dialog itself taking focus for the moment, the chain
  // has a start, and the list moves to its place.
  const Qt::FocusPolicy dialogPolicy = dialog.focusPolicy();
  dialog.setFocusPolicy(Qt::TabFocus);
  QWidget* previous = dialog.Control(kIdSubmit);  // the layout's last stop
  for (int id : {kIdToday, kIdTomorrow, kIdThisWeek, kIdThisMonth, kIdSignList, kIdHeadingSlider}) {
    QWidget* control = dialog.Control(id);
    control->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(previous, control);
    previous = control;
  }
  dialog.setFocusPolicy(dialogPolicy);
}

}  // namespace astrivo
