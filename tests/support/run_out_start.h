// The main window as the user finds it once the start's replay and turn have ended, without
// waiting for them: for the sequences that start from a window at rest.
#pragma once

#include "app/horoscope_dialog.h"
#include "dialog_peer.h"

namespace astrivo {

inline void RunOutStart(HoroscopeDialog& dialog) {
  while (dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer)) HoroscopeDialogPeer::AdvanceTrace(dialog);
  while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer)) HoroscopeDialogPeer::OnTurnTick(dialog);
}

}  // namespace astrivo
