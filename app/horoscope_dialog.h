// The program's one window: birth date input, the period choices, the three rating bars,
// the sign list and the 3D sky view with its two sliders and the trace animation.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSlider>

#include "engine/calendar_date.h"
#include "engine/period.h"
#include "platform/dialog.h"
#include "platform/rate_limit.h"

class QAbstractButton;
class QAction;

namespace astrivo {

class DateBanner;
class HoroscopeApp;
class LeftColumnScroll;
class RatingBar;
class SkyScene;
class SkyView;

class HoroscopeDialog : public Dialog {
  Q_OBJECT

 public:
  static constexpr int kTurnTimer = 2;       // turns the view toward the chosen sign
  static constexpr int kTurnInterval = 25;   // ms, 2 degrees a tick
  static constexpr int kTraceTimer = 3;      // replays the months before the period's end
  static constexpr int kTraceInterval = 50;  // ms, one day a tick
  static constexpr int kAboutCommand = 16;
  static constexpr int kTraceMonths = 4;  // how far before the period's end the trace starts
  // ms between two names of the trace date that a screen reader hears, 4 a second at most.
  static constexpr int kTraceNameInterval = 250;

  // Takes the birth date from `app` and hands it back when the dialog closes. Initialises at
  // once: fills the sign list, sets up the view and rates This Week.
  explicit HoroscopeDialog(HoroscopeApp& app, QWidget* parent = nullptr);
  ~HoroscopeDialog() override;

  // Reads the fields back as closing does, without prompts, and hands the birth date to the
  // application; the dialog's own fields keep their last validated values.
  void HandBack();

  int birthDay;
  int birthMonth;
  int birthYear;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  void OnTimer(int id) override;
  void done(int result) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Reads the bars, the view and the timers' steps by value, where the user sees only pixels.
  friend class HoroscopeDialogPeer;

  HoroscopeDialog(HoroscopeApp& app, SkyView* view, QWidget* parent);
  void OnThisWeek();
  void OnThisMonth();
  void OnToday();
  void OnTomorrow();
  void OnSignChanged();
  void OnSubmit();
  void OnTurnTick();
  void AdvanceTrace();
  void ShowTraceDate();
  void StopTrace();
  // The system-menu command: kAboutCommand (low four bits ignored) opens the About box.
  void OnSysCommand(int command);
  SkyScene& Scene() const;
  void OnInitDialog();
  // The period buttons: rate the period's days from today on, and leave only `buttonId` checked.
  void RateChosenPeriod(Period period, int buttonId);
  void ClearOtherPeriods(int keptId);
  void EnableInputs(bool enabled);
  void RepaintView();
  void FitIntoScreen();
  void NameTraceDate();

  HoroscopeApp& app_;
  CalendarDate traceDate;
  CalendarDate periodStart;
  CalendarDate periodEnd;
  DateBanner* banner_ = nullptr;
  RatingBar* luckBar_ = nullptr;
  RatingBar* loveBar_ = nullptr;
  RatingBar* moneyBar_ = nullptr;
  SkyView* view_ = nullptr;  // owned by its window container, a child of the dialog
  QWidget* viewContainer_ = nullptr;
  QComboBox* signList_ = nullptr;
  QSlider* tiltSlider_ = nullptr;
  QSlider* headingSlider_ = nullptr;
  QLabel* traceMonth_ = nullptr;
  QLabel* traceDay_ = nullptr;
  QLabel* traceYear_ = nullptr;
  QAction* aboutAction_ = nullptr;
  LeftColumnScroll* columnScroll_ = nullptr;
  RateLimit traceNameLimit_{kTraceNameInterval};
  bool traceNamePending_ = false;  // the statics show a date their name does not say yet
  bool closing_ = false;
};

}  // namespace astrivo
