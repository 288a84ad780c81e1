// Layout 102, the main dialog, and the ids its code refers to.
#pragma once

#include "platform/dialog_template.h"

namespace astrivo {

enum MainDialogId : int {
  kIdDateBanner = 1002,
  kIdSignList = 1004,
  kIdToday = 1005,
  kIdThisWeek = 1006,
  kIdThisMonth = 1007,
  kIdLuckBar = 1008,
  kIdLoveBar = 1009,
  kIdMoneyBar = 1010,
  kIdTomorrow = 1017,
  kIdSkyView = 1018,
  kIdHeadingSlider = 1022,
  kIdTiltSlider = 1027,
  kIdTraceMonth = 1040,
  kIdTraceDay = 1041,
  kIdTraceYear = 1042,
  kIdBirthMonth = 1046,
  kIdBirthDay = 1047,
  kIdBirthYear = 1048,
  kIdSubmit = 1049,
};

const DialogTemplate& MainDialogLayout();

}  // namespace astrivo
