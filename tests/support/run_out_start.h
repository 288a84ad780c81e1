// The main window as the user finds it once the start's replay and turn have ended, without
// waiting for them: for the sequences that start from a window at rest.
#pragma once

#include "app/horoscope_dialog.h"
#include "timer_peer.h"

namespace astrivo {

// False if either timer ran at another period than the window's own (the replay a day every
// 50 ms, the turn 2 degrees every 25 ms) or never stopped.
[[nodiscard]] inline bool RunOutStart(HoroscopeDialog& dialog) {
  return TimerPeer::RunOut(dialog, HoroscopeDialog::kTraceTimer, 50) >= 0 &&
         TimerPeer::RunOut(dialog, HoroscopeDialog::kTurnTimer, 25) >= 0;
}

}  // namespace astrivo
