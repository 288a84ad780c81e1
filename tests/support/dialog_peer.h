// What the tests read by value where the user sees only pixels or the passing of time: the
// rating bars' animation, the sky view, the trace date, and the two timers' steps taken at
// once instead of waiting for them.
#pragma once

#include <array>

#include "app/horoscope_dialog.h"
#include "app/rating_bar.h"

namespace astrivo {

class HoroscopeDialogPeer {
 public:
  static RatingBar* LuckBar(const HoroscopeDialog& dialog) { return dialog.luckBar_; }
  static RatingBar* LoveBar(const HoroscopeDialog& dialog) { return dialog.loveBar_; }
  static RatingBar* MoneyBar(const HoroscopeDialog& dialog) { return dialog.moneyBar_; }
  // Luck, Love and Money, top to bottom.
  static std::array<RatingBar*, 3> Bars(const HoroscopeDialog& dialog) {
    return {dialog.luckBar_, dialog.loveBar_, dialog.moneyBar_};
  }
  static SkyView* View(const HoroscopeDialog& dialog) { return dialog.view_; }
  static SkyScene& Scene(const HoroscopeDialog& dialog) { return dialog.Scene(); }
  static const CalendarDate& TraceDate(const HoroscopeDialog& dialog) { return dialog.traceDate; }
  static void AdvanceTrace(HoroscopeDialog& dialog) { dialog.AdvanceTrace(); }
  static void OnTurnTick(HoroscopeDialog& dialog) { dialog.OnTurnTick(); }
  static void StopTrace(HoroscopeDialog& dialog) { dialog.StopTrace(); }
  static void OnSignChanged(HoroscopeDialog& dialog) { dialog.OnSignChanged(); }
};

class RatingBarPeer {
 public:
  static double Phase(const RatingBar& bar) { return bar.phase_; }
  static int TargetLevel(const RatingBar& bar) { return bar.targetLevel_; }
  static int CurrentLevel(const RatingBar& bar) { return bar.currentLevel_; }
};

}  // namespace astrivo
