// What a screen reader says for the main dialog's controls where their captions do not
// name them: the birth date fields, the sliders, the trace date and the sky view.
#pragma once

#include <QString>

namespace astrivo {

class CalendarDate;
class Dialog;

// Names the fields and sliders and gives the sky view its role. The trace date is read as
// one date from its month static; the day and year statics are SkippedLabels.
void NameMainDialogControls(Dialog& dialog);

// "Trace Date: September 1, 2004".
QString TraceDateName(const CalendarDate& date);
// "Sky view facing Aquarius", for sign index 0 to 11.
QString SkyViewName(int sign);

}  // namespace astrivo
