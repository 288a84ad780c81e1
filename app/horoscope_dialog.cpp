// The main dialog's start-up, handlers and timers.
#include "app/horoscope_dialog.h"

#include <utility>

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "app/about_dialog.h"
#include "app/date_banner.h"
#include "app/horoscope_app.h"
#include "app/left_column_scroll.h"
#include "app/main_dialog_accessibility.h"
#include "app/main_dialog_layout.h"
#include "app/main_dialog_tab_stops.h"
#include "app/rating_bar.h"
#include "app/view_context_menu.h"
#include "app/view_drag.h"
#include "app/view_focus_guard.h"
#include "engine/horoscope_scoring.h"
#include "engine/period.h"
#include "platform/skipped_label.h"
#include "sky/sign_table.h"
#include "sky/sky_scene.h"
#include "view/sky_view.h"

namespace astrivo {
namespace {

// The three bars: base colour (red, green, blue) and the phase each rating starts its ripple at.
struct BarStyle {
  int red, green, blue;
  double phase;
};
constexpr BarStyle kLuckStyle{150, 150, 0, 0.15};
constexpr BarStyle kLoveStyle{150, 0, 0, 0.2};
constexpr BarStyle kMoneyStyle{0, 150, 0, 0.25};

// Below this client size (pixels) the controls keep their last places.
constexpr int kLayoutMinWidth = 750, kLayoutMinHeight = 500;
// Above it, in pixels: the view keeps its top-left corner and grows with the client area; the
// tilt slider runs down its right side and the heading slider along its bottom, each in a band
// of kSliderBand at the client area's edge.
constexpr int kViewLeft = 390, kViewTop = 10;
constexpr int kSliderBand = 35, kSliderThickness = 30;

// The smallest client area, in pixels, where the screen has room for it: as wide as the
// threshold above, and as high as the layout itself, whose bottom edge is the "Horoscope"
// frame's (350 units) plus the layout's margin below it, so that frame and the bars in it
// are never cut off. On a smaller screen the window may shrink to the screen, and the left
// column then scrolls.
QSize MinimumClientSize(const DialogUnits& units) {
  return {kLayoutMinWidth, units.ToPixelsY(MainDialogLayout().height)};
}

// The last day the trace can reach: 31 December 2099. A trace ending there starts over in 1900.
constexpr DayNumber kLastTraceDay = 36525;

Dialog::ControlFactories CustomControls(SkyView* view, const LocalClock& clock) {
  const auto bar = [](const ControlTemplate&, QWidget* parent) -> QWidget* {
    return new RatingBar(parent);
  };
  // The trace date is read as one date from the month static.
  const auto skipped = [](const ControlTemplate&, QWidget* parent) -> QWidget* {
    return new SkippedLabel(parent);
  };
  return {
      {kIdDateBanner,
       [&clock](const ControlTemplate&, QWidget* parent) -> QWidget* {
         return new DateBanner(clock, parent);
       }},
      {kIdLuckBar, bar},
      {kIdLoveBar, bar},
      {kIdMoneyBar, bar},
      {kIdTraceDay, skipped},
      {kIdTraceYear, skipped},
      {kIdSkyView,
       [view](const ControlTemplate&, QWidget* parent) {
         QWidget* container = QWidget::createWindowContainer(view, parent);
         container->setFocusPolicy(Qt::NoFocus);
         return container;
       }},
  };
}

}  // namespace

HoroscopeDialog::HoroscopeDialog(HoroscopeApp& app, QWidget* parent)
    : HoroscopeDialog(app, new SkyView, parent) {}

HoroscopeDialog::HoroscopeDialog(HoroscopeApp& app, SkyView* view, QWidget* parent)
    : Dialog(MainDialogLayout(), CustomControls(view, app.Clock()), parent, app.Prompts()),
      birthDay(app.birthDay),
      birthMonth(app.birthMonth),
      birthYear(app.birthYear),
      app_(app),
      banner_(ControlAs<DateBanner>(kIdDateBanner)),
      luckBar_(ControlAs<RatingBar>(kIdLuckBar)),
      loveBar_(ControlAs<RatingBar>(kIdLoveBar)),
      moneyBar_(ControlAs<RatingBar>(kIdMoneyBar)),
      view_(view),
      viewContainer_(Control(kIdSkyView)),
      signList_(ControlAs<QComboBox>(kIdSignList)),
      tiltSlider_(ControlAs<QSlider>(kIdTiltSlider)),
      headingSlider_(ControlAs<QSlider>(kIdHeadingSlider)),
      traceMonth_(ControlAs<QLabel>(kIdTraceMonth)),
      traceDay_(ControlAs<QLabel>(kIdTraceDay)),
      traceYear_(ControlAs<QLabel>(kIdTraceYear)) {
  // Everything but the view and its sliders is the left column.
  std::vector<QWidget*> column;
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control != viewContainer_ && control != tiltSlider_ && control != headingSlider_) {
      column.push_back(control);
    }
  }
  columnScroll_ =
      new LeftColumnScroll(*this, column, MinimumClientSize(Units()).height(), kViewLeft);
  FitIntoScreen();
  SetClickHandler(kIdThisWeek, [this] { OnThisWeek(); });
  SetClickHandler(kIdThisMonth, [this] { OnThisMonth(); });
  SetClickHandler(kIdToday, [this] { OnToday(); });
  SetClickHandler(kIdTomorrow, [this] { OnTomorrow(); });
  SetClickHandler(kIdSubmit, [this] { OnSubmit(); });
  SetSelectionHandler(kIdSignList, [this] { OnSignChanged(); });
  AddKeyboardStops(*this);
  NameMainDialogControls(*this);
  SetScrollHandler(kIdHeadingSlider, [this](int position) {
    UpdateData(true);
    Scene().heading = -position;
    RepaintView();
  });
  SetScrollHandler(kIdTiltSlider, [this](int position) {
    UpdateData(true);
    Scene().tilt = position;
    RepaintView();
  });
  OnInitDialog();
}

HoroscopeDialog::~HoroscopeDialog() {
  KillTimer(kTurnTimer);
  KillTimer(kTraceTimer);
}

SkyScene& HoroscopeDialog::Scene() const { return view_->Scene(); }

void HoroscopeDialog::OnInitDialog() {
  // Linux desktops give a program no way into the window menu, so the About command lives in
  // the dialog's context menu and on F1.
  aboutAction_ = new QAction(tr("&About Astrivo..."), this);
  aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
  aboutAction_->setShortcutContext(Qt::WindowShortcut);
  connect(aboutAction_, &QAction::triggered, this, [this] { OnSysCommand(kAboutCommand); });
  addAction(aboutAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  new ViewContextMenu(*view_, *this);
  new ViewFocusGuard(*view_, *this);
  // The user's hand wins: a drag of the view stops a turn toward a sign.
  new ViewDrag(*view_, *headingSlider_, *tiltSlider_, [this] { KillTimer(kTurnTimer); });

  for (int sign = 0; sign < kSignCount; ++sign)
    signList_->addItem(QString::fromLatin1(SignName(sign)));
  signList_->setCurrentIndex(0);

  view_->InitGL();

  luckBar_->SetBaseColor(kLuckStyle.red, kLuckStyle.green, kLuckStyle.blue);
  loveBar_->SetBaseColor(kLoveStyle.red, kLoveStyle.green, kLoveStyle.blue);
  moneyBar_->SetBaseColor(kMoneyStyle.red, kMoneyStyle.green, kMoneyStyle.blue);
  luckBar_->SetRating(0, kLuckStyle.phase);
  loveBar_->SetRating(0, kLoveStyle.phase);
  moneyBar_->SetRating(0, kMoneyStyle.phase);

  headingSlider_->setRange(kHeadingMin, kHeadingMax);
  headingSlider_->setValue(0);
  tiltSlider_->setRange(kTiltMin, kTiltMax);
  tiltSlider_->setValue(kTiltStart);

  OnSignChanged();
  UpdateData(false);
  ControlAs<QAbstractButton>(kIdThisWeek)->setChecked(true);
  OnThisWeek();
}

void HoroscopeDialog::DoDataExchange(DataExchange& exchange) {
  exchange.IntInRange(kIdBirthDay, birthDay, 1, 31);
  exchange.IntInRange(kIdBirthMonth, birthMonth, 1, 12);
  exchange.IntInRange(kIdBirthYear, birthYear, kFirstAcceptedYear, kLastAcceptedYear);
}

void HoroscopeDialog::OnThisWeek() { RateChosenPeriod(Period::kThisWeek, kIdThisWeek); }

void HoroscopeDialog::OnThisMonth() { RateChosenPeriod(Period::kThisMonth, kIdThisMonth); }

void HoroscopeDialog::OnToday() { RateChosenPeriod(Period::kToday, kIdToday); }

void HoroscopeDialog::OnTomorrow() { RateChosenPeriod(Period::kTomorrow, kIdTomorrow); }

void HoroscopeDialog::RateChosenPeriod(Period period, int buttonId) {
  const DateSpan span = SpanOfPeriod(period, CalendarDate(app_.Clock()));
  periodStart = span.first;
  periodEnd = span.last;
  ClearOtherPeriods(buttonId);
  OnSubmit();
}

void HoroscopeDialog::ClearOtherPeriods(int keptId) {
  for (int id : {kIdToday, kIdTomorrow, kIdThisWeek, kIdThisMonth}) {
    if (id != keptId) ControlAs<QAbstractButton>(id)->setChecked(false);
  }
}

void HoroscopeDialog::OnSignChanged() {
  Scene().SelectSign(signList_->currentIndex());
  const QString viewName = SkyViewName(signList_->currentIndex());
  if (viewContainer_->accessibleName() != viewName) viewContainer_->setAccessibleName(viewName);
  SetTimer(kTurnTimer, kTurnInterval);
}

void HoroscopeDialog::OnTurnTick() {
  if (!Scene().StepHeading()) {
    KillTimer(kTurnTimer);
    return;
  }
  headingSlider_->setValue(-Scene().heading);
  // The fields are not pushed back into the edit fields here: at 40 ticks a second that
  // would wipe out whatever the user is typing while the view turns.
  RepaintView();
}

void HoroscopeDialog::OnSubmit() {
  StopTrace();
  EnableInputs(false);
  UpdateData(true);

  const CalendarDate birth(birthDay, birthMonth, birthYear);
  signList_->setCurrentIndex(SignForBirthDate(birth));
  OnSignChanged();

  const HoroscopeScores scores =
      RatePeriod(Scene(), signList_->currentIndex(), birth, periodStart, periodEnd);
  luckBar_->SetRating(scores.luck, kLuckStyle.phase);
  loveBar_->SetRating(scores.love, kLoveStyle.phase);
  moneyBar_->SetRating(scores.money, kMoneyStyle.phase);

  Scene().ClearTrails();
  traceDate = periodEnd;
  traceDate.SubtractMonths(kTraceMonths);
  SetTimer(kTraceTimer, kTraceInterval);
}

void HoroscopeDialog::AdvanceTrace() {
  luckBar_->StepAnimation();
  loveBar_->StepAnimation();
  moneyBar_->StepAnimation();
  if (traceDate.GetDayNumber() < periodEnd.GetDayNumber()) {
    traceDate.NextDay();
    Scene().ShowDay(traceDate.GetDayNumber());
    ShowTraceDate();
    RepaintView();
  } else if (periodEnd.GetDayNumber() == kLastTraceDay) {
    traceDate.SetDate(1, 1, 1900);
  } else {
    StopTrace();
  }
}

void HoroscopeDialog::ShowTraceDate() {
  traceMonth_->setText(QString::number(traceDate.Month()));
  traceDay_->setText(QString::number(traceDate.Day()));
  traceYear_->setText(QString::number(traceDate.Year()));
  traceNamePending_ = true;
  if (traceNameLimit_.Allow()) NameTraceDate();
}

void HoroscopeDialog::NameTraceDate() {
  traceMonth_->setAccessibleName(TraceDateName(traceDate));
  traceNamePending_ = false;
}

void HoroscopeDialog::StopTrace() {
  KillTimer(kTraceTimer);
  // Where the trace stops, readers hear the date it shows.
  if (traceNamePending_) NameTraceDate();
  EnableInputs(true);
}

void HoroscopeDialog::EnableInputs(bool enabled) {
  for (int id : {kIdBirthMonth, kIdBirthDay, kIdBirthYear, kIdSubmit}) {
    Control(id)->setEnabled(enabled);
  }
}

void HoroscopeDialog::OnSysCommand(int command) {
  if ((command & ~0xF) != kAboutCommand) return;
  AboutDialog about(this);
  about.exec();
}

void HoroscopeDialog::OnTimer(int id) {
  if (id == kTurnTimer) {
    OnTurnTick();
  } else if (id == kTraceTimer) {
    AdvanceTrace();
  }
}

void HoroscopeDialog::RepaintView() { view_->Repaint(); }

void HoroscopeDialog::done(int result) {
  // Closing reads the fields back once more, without prompts: the user can no longer correct
  // a field, so each keeps what it can and the others their last good value. The timers stop
  // first so that no tick runs after the widgets are gone.
  if (closing_) return;
  closing_ = true;
  KillTimer(kTurnTimer);
  KillTimer(kTraceTimer);
  HandBack();
  Dialog::done(result);
}

void HoroscopeDialog::HandBack() {
  const int validDay = birthDay;
  const int validMonth = birthMonth;
  const int validYear = birthYear;
  DataExchange closingRead = DataExchange::Closing(*this);
  DoDataExchange(closingRead);
  app_.birthDay = std::exchange(birthDay, validDay);
  app_.birthMonth = std::exchange(birthMonth, validMonth);
  app_.birthYear = std::exchange(birthYear, validYear);
}

void HoroscopeDialog::FitIntoScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  // The window's frame, once the window system has told it; before that, none.
  const QRect outer = frameGeometry();
  const QMargins frame(x() - outer.x(), y() - outer.y(), outer.right() - geometry().right(),
                       outer.bottom() - geometry().bottom());
  const QRect available = shown->availableGeometry();
  const QSize room = available.size().shrunkBy(frame);
  setMinimumSize(MinimumClientSize(Units()).boundedTo(room));
  if (width() > room.width() || height() > room.height()) resize(size().boundedTo(room));
  // A Wayland client cannot place its window; the compositor does.
  if (!isVisible() || QGuiApplication::platformName() == QLatin1String("wayland")) return;
  const QRect placed = frameGeometry();
  const int left = std::clamp(placed.left(), available.left(),
                              std::max(available.left(), available.right() + 1 - placed.width()));
  const int top = std::clamp(placed.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - placed.height()));
  if (left != placed.left() || top != placed.top()) {
    move(pos() + QPoint(left - placed.left(), top - placed.top()));
  }
}

void HoroscopeDialog::showEvent(QShowEvent* event) {
  Dialog::showEvent(event);
  FitIntoScreen();
}

void HoroscopeDialog::resizeEvent(QResizeEvent* event) {
  Dialog::resizeEvent(event);
  const int right = event->size().width();
  const int bottom = event->size().height();
  if (columnScroll_ != nullptr) columnScroll_->Fit(bottom);
  if (right < kLayoutMinWidth || bottom < kLayoutMinHeight) return;
  const int viewWidth = right - kViewLeft - kSliderBand;
  const int viewHeight = bottom - kViewTop - kSliderBand;
  viewContainer_->setGeometry(kViewLeft, kViewTop, viewWidth, viewHeight);
  tiltSlider_->setGeometry(right - kSliderBand, kViewTop, kSliderThickness, viewHeight);
  headingSlider_->setGeometry(kViewLeft, bottom - kSliderBand, viewWidth, kSliderThickness);
}

}  // namespace astrivo
