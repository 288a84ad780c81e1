// The main window as the user finds it once the start's replay and turn have ended, without
// waiting for them: for the sequences that start from a window at rest.
#pragma once

#include "app/horoscope_dialog.h"

namespace astrivo {

inline void RunOutStart(HoroscopeDialog& dialog) {
  while (dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer)) dialog.AdvanceTrace();
  while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer)) dialog.OnTurnTick();
}

}  // namespace astrivo
