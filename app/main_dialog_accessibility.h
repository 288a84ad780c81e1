// What a screen reader hears in the main dialog: the order it reads the controls in, and
// names where the controls' captions do not name them (the birth date fields, the sliders,
// the trace date, the rating bars, the sign list and the sky view).
#pragma once

#include <QString>

namespace astrivo {

class CalendarDate;
class Dialog;

// Sets the reading order, names the controls and gives the sky view its role. The trace
// date is read as one date from its month static; the day and year statics and the
// pictures are passed by.
void NameMainDialogControls(Dialog& dialog);

// "Trace Date: September 1, 2004".
QString TraceDateName(const CalendarDate& date);
// "Sky view facing Aquarius", for sign index 0 to 11.
QString SkyViewName(int sign);

}  // namespace astrivo
