// The main window as the user meets it, on the offscreen platform: real clicks and keys, the
// real timers running, and what the screen then shows, read from a grab of the whole window;
// the period buttons, the birth date's range check and the trace's wrap at the last day. The
// view has no OpenGL here: the ratings must not depend on it.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <vector>

#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "dialog_peer.h"
#include "fixed_today.h"
#include "run_out_start.h"
#include "scoped_prompt_answer.h"
#include "scratch_app.h"
#include "sky/planet.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

QImage Grab(QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// The first pixel of `area` that is not `colour`, or an empty string when there is none.
QString StrayPixel(const QImage& image, const QRegion& area, const QColor& colour) {
  for (const QRect& rect : area) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        if (image.pixelColor(x, y) != colour) return QStringLiteral("(%1, %2)").arg(x).arg(y);
      }
    }
  }
  return QString();
}

// Where each bar's stripes end on screen: the column, within the bar, of its rightmost
// coloured pixel on its middle row, for Luck, Love and Money.
QList<int> BarEnds(HoroscopeDialog& dialog) {
  const QImage screen = Grab(dialog);
  QList<int> ends;
  for (const RatingBar* bar : HoroscopeDialogPeer::Bars(dialog)) {
    int x = bar->width() - 1;
    while (x > 0 && screen.pixelColor(bar->pos() + QPoint(x, bar->height() / 2)) == Qt::black) --x;
    ends << x;
  }
  return ends;
}

// One timer tick: the period the dialog's timer layer started its timer with, and what the
// window showed before the tick (month/day/year in the trace statics, the heading slider).
struct Tick {
  int period;  // ms
  QString trace;
  int heading;
};

Tick Look(const HoroscopeDialog& dialog, int period = 0) {
  const auto text = [&dialog](int id) { return dialog.ControlAs<QLabel>(id)->text(); };
  return {period, text(kIdTraceMonth) + "/" + text(kIdTraceDay) + "/" + text(kIdTraceYear),
          dialog.ControlAs<QSlider>(kIdHeadingSlider)->value()};
}

// Sees each timer event on its way into the dialog's timer layer, before it is handled.
struct TickWatch : QObject {
  const HoroscopeDialog* dialog;
  std::vector<Tick> ticks;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Timer || !watched->inherits("astrivo::TimerSet")) return false;
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(watched)) {
      if (timer.timerId == static_cast<QTimerEvent*>(event)->timerId()) {
        ticks.push_back(Look(*dialog, timer.interval));
      }
    }
    return false;
  }
};

// Luck, Love and Money as the bars are heading for them.
QList<int> Rated(const HoroscopeDialog& dialog) {
  QList<int> ratings;
  for (const RatingBar* bar : HoroscopeDialogPeer::Bars(dialog))
    ratings << RatingBarPeer::TargetLevel(*bar) - 200;
  return ratings;
}

QDate Date(const CalendarDate& date) { return QDate(date.Year(), date.Month(), date.Day()); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { app_ = std::make_unique<ScratchApp>(); }
  void cleanup() { app_.reset(); }

  // Stored 5 February 1980 (Aquarius, heading -28); on Wednesday 16 June 2004 the user types
  // 21 March 1990 (Aries) and clicks Submit. From tools/reference/sky_reference.py:
  // `rate 21 3 1990 14 6 2004 20 6 2004` gives sign 2 and (78, 82, 80); `signs` puts Aries'
  // centre at longitude 30.588 (heading 30).
  void SubmitRunsTheTimersToTheRatings() {
    const FixedToday today({16, 6, 2004});
    app_->birthDay = 5;
    app_->birthMonth = 2;
    app_->birthYear = 1980;
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* submit = dialog.Control(kIdSubmit);
    QVERIFY(RunOutStart(dialog));  // the start's own replay and turn are not this test's
    QVERIFY(submit->isEnabled());
    QCOMPARE(Look(dialog).heading, 28);
    for (const auto& [id, text] :
         {std::pair{kIdBirthMonth, "3"}, {kIdBirthDay, "21"}, {kIdBirthYear, "1990"}}) {
      dialog.ControlAs<QLineEdit>(id)->selectAll();
      QTest::keyClicks(dialog.Control(id), text);
    }
    TickWatch watch;
    watch.dialog = &dialog;
    qApp->installEventFilter(&watch);
    // A click where Submit shows, so that anything stacked over it would take the click.
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, submit->geometry().center());
    QTRY_VERIFY_WITH_TIMEOUT(submit->isEnabled(), 15000);  // the trace has ended
    qApp->removeEventFilter(&watch);
    watch.ticks.push_back(Look(dialog));

    // Each tick's effect is what the next tick (or the end) finds. The trace starts four months
    // before the period's end, 20 June: its first tick shows 21 February.
    QString expectedDay = "2/21/2004";
    int traceTicks = 0, turnTicks = 0, turnSteps = 0;
    for (std::size_t i = 0; i + 1 < watch.ticks.size(); ++i) {
      const Tick& before = watch.ticks[i];
      const Tick& after = watch.ticks[i + 1];
      const QByteArray tick = "tick " + QByteArray::number(qsizetype(i));
      if (before.period == 50) {
        ++traceTicks;
        QVERIFY2(after.heading == before.heading, tick);
        if (after.trace == before.trace) continue;  // the last tick only ends the trace
        QCOMPARE(after.trace, expectedDay);
        const QDate day = QDate::fromString(expectedDay, "M/d/yyyy").addDays(1);
        expectedDay = QStringLiteral("%1/%2/%3").arg(day.month()).arg(day.day()).arg(day.year());
      } else {
        QCOMPARE(before.period, 25);
        ++turnTicks;
        QVERIFY2(after.trace == before.trace, tick);
        if (after.heading == before.heading) continue;  // the tick that stops the turn
        QVERIFY2(after.heading == before.heading - 2, tick);
        ++turnSteps;
      }
    }
    QCOMPARE(expectedDay, QString("6/21/2004"));  // the trace showed 20 June last
    QCOMPARE(traceTicks, 122);                    // 121 days and the tick that ends the trace
    QCOMPARE(turnSteps, 29);                      // from -28 to 30, 2 degrees a step
    QCOMPARE(turnTicks, 30);                      // and the tick that stops the turn
    QCOMPARE(Look(dialog).heading, -30);
    QCOMPARE(dialog.ControlAs<QComboBox>(kIdSignList)->currentText(), "ARIES ");

    // At rest each 240-pixel bar ends with its stripe k = rating (even), at column
    // trunc(k * 0.01 * 234) + 2, worked by hand: 184 for 78, 193 for 82, 189 for 80.
    QCOMPARE(HoroscopeDialogPeer::LuckBar(dialog)->width(), 240);
    const QList<int> atRest{184, 193, 189};
    QCOMPARE(BarEnds(dialog), atRest);
  }

  // One grab of the window with every bar full at the phase a Submit gives it: the stripes'
  // colours, the stacking, and group boxes that leave their inside to what lies beneath;
  // then the smallest size and the layout that follows the window.
  void LooksAsTheLayoutDraws() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    QCOMPARE(dialog.windowType(), Qt::Window);  // an ordinary main window, not a dialog
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    HoroscopeDialogPeer::StopTrace(dialog);
    const QList<std::pair<RatingBar*, double>> bars{{HoroscopeDialogPeer::LuckBar(dialog), 0.15},
                                                    {HoroscopeDialogPeer::LoveBar(dialog), 0.2},
                                                    {HoroscopeDialogPeer::MoneyBar(dialog), 0.25}};
    for (const auto& [bar, phase] : bars) {
      bar->SetRating(100, phase);  // aims at level 300 ...
      bar->SetRating(100, phase);  // ... and starts again from level 100: a full bar
      bar->repaint();
    }
    const QImage screen = Grab(dialog);

    // Stripes k = 2, 50, 100 of Luck, Love, Money, right edge trunc(k * 2.34) + 3 (exclusive),
    // rows 4 to height - 4. Colours from Python's math.sin: base + int(255 * (sin(0.2k + p + pi/3) + 1)
    // / 2) for red, sin(0.2k + 2pi/3 - p) for green, sin(0.2k + p + pi) for blue, clamped.
    // clang-format off
    const struct { int bar, column; QColor colour; } stripes[] = {
        {0, 6, {255, 255, 60}}, {0, 119, {152, 203, 212}}, {0, 236, {255, 255, 4}},
        {1, 6, {255, 223, 55}}, {1, 119, {154, 48, 216}},  {1, 236, {255, 139, 3}},
        {2, 6, {253, 255, 50}}, {2, 119, {5, 193, 221}},   {2, 236, {209, 255, 1}},
    };
    // clang-format on
    for (const auto& [bar, column, colour] : stripes) {
      const RatingBar* shown = bars[bar].first;
      QCOMPARE(
          StrayPixel(screen, {shown->x() + column, shown->y() + 4, 1, shown->height() - 7}, colour),
          QString());
    }

    // The first control of a layout lies on top: read from the top down, the stack of
    // controls is the layout's order.
    QList<int> layoutOrder, stackOrder;
    for (const ControlTemplate& row : MainDialogLayout().controls) {
      if (row.id != kNoId) layoutOrder << row.id;
    }
    for (const QWidget* widget : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      for (int id : layoutOrder) {
        if (dialog.Control(id) == widget) stackOrder.prepend(id);  // children run bottom up
      }
    }
    QCOMPARE(stackOrder, layoutOrder);

    // Inside each frame, wherever no other control lies, the window's own background.
    const QColor background = dialog.palette().color(QPalette::Window);
    const QList<QGroupBox*> frames = dialog.findChildren<QGroupBox*>();
    QCOMPARE(frames.size(), 5);
    for (const QGroupBox* frame : frames) {
      QRegion inside(frame->geometry().adjusted(3, dialog.fontMetrics().height(), -3, -3));
      for (const QWidget* other : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!other->geometry().contains(frame->geometry())) inside -= other->geometry();
      }
      QCOMPARE(StrayPixel(screen, inside, background), QString());
    }

    // The smallest size keeps the Horoscope frame whole: 750 wide, and 359 dialog units at 13
    // pixels per 8 (Liberation Sans at 11 pixels), 583 high. Above 750 x 500 the view and the
    // tilt slider follow the window's right and bottom edges.
    dialog.resize(500, 350);
    QTRY_COMPARE(dialog.size(), QSize(750, 583));
    // The view starts at (390, 10) and leaves a band of 35 pixels at the right and the bottom
    // for the sliders, each 30 thick.
    const struct {
      QSize window;
      QRect view, tilt, heading;
    } sizes[] = {
        {{1200, 800}, {390, 10, 775, 755}, {1165, 10, 30, 755}, {390, 765, 775, 30}},
        {{1000, 700}, {390, 10, 575, 655}, {965, 10, 30, 655}, {390, 665, 575, 30}},
    };
    for (const auto& s : sizes) {
      dialog.resize(s.window);
      QTRY_COMPARE(dialog.Control(kIdSkyView)->geometry(), s.view);
      QCOMPARE(dialog.Control(kIdTiltSlider)->geometry(), s.tilt);
      QCOMPARE(dialog.Control(kIdHeadingSlider)->geometry(), s.heading);
    }
  }

  // A stored month of 13 prompts while the window starts: the box waits until the window is
  // exposed and stands over it as its transient. The window itself blocks nothing.
  void PromptsOverTheShownWindow() {
    const FixedToday today({16, 6, 2004});
    app_->birthMonth = 13;
    HoroscopeDialog dialog(*app_);
    QVariantList seen;  // the box's text, then whether the window was exposed beneath it, the
                        // box transient for it, and the window's modality
    QTimer watcher;     // runs inside the box's own event loop too
    connect(&watcher, &QTimer::timeout, &dialog, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      seen = {box->text(), dialog.windowHandle()->isExposed(),
              box->windowHandle()->transientParent() == dialog.windowHandle(),
              int(dialog.windowHandle()->modality())};
      box->accept();
      dialog.accept();
    });
    watcher.start(5);
    QTimer::singleShot(20000, &dialog, &QDialog::reject);  // no box at all
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(seen, (QVariantList{"Please enter an integer between 1 and 12.", true, true,
                                 int(Qt::NonModal)}));
  }

  void PeriodButtonsRateTheirSpan_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<int>>("ratings");
    // Born 7 September 1975; ratings from tools/reference/sky_reference.py, `rate 7 9 1975
    // <first> <last>`: 30 Nov to 6 Dec 2026, 1 to 29 Feb 2004, 16 Jun 2004, 1 Jan 2005.
    QTest::newRow("This Week on a Sunday")
        << int(kIdThisWeek) << QDate(2026, 12, 6) << QList<int>{45, 56, 53};
    QTest::newRow("This Month, February of a leap year")
        << int(kIdThisMonth) << QDate(2004, 2, 10) << QList<int>{26, 46, 62};
    QTest::newRow("Today") << int(kIdToday) << QDate(2004, 6, 16) << QList<int>{36, 57, 100};
    QTest::newRow("Tomorrow across the year's end")
        << int(kIdTomorrow) << QDate(2004, 12, 31) << QList<int>{20, 100, 100};
  }
  void PeriodButtonsRateTheirSpan() {
    QFETCH(int, button);
    QFETCH(QDate, today);
    const FixedToday fixed({today.day(), today.month(), today.year()});
    app_->birthDay = 7;
    app_->birthMonth = 9;
    app_->birthYear = 1975;
    HoroscopeDialog dialog(*app_);
    for (int clicks = 0; clicks < 2; ++clicks) {  // the clicked button stays checked, alone
      QTest::mouseClick(dialog.ControlAs<QAbstractButton>(button), Qt::LeftButton);
    }
    QTEST(Rated(dialog), "ratings");
    // Rating walked the planets through the period; none of those points is left in a trail
    // for the replay to draw, and the replay's first day gives each of the four planets (the
    // bodies after the Earth and the Sun) its first point.
    const SkyScene& scene = HoroscopeDialogPeer::Scene(dialog);
    for (int i = 0; i < scene.BodyCount(); ++i) QCOMPARE(scene.BodyAt(i)->trail.Count(), 0);
    HoroscopeDialogPeer::AdvanceTrace(dialog);
    QCOMPARE(scene.BodyCount(), 6);
    for (int i = 2; i < 6; ++i) QCOMPARE(scene.BodyAt(i)->trail.Count(), 1);
    for (int id : {kIdToday, kIdTomorrow, kIdThisWeek, kIdThisMonth}) {
      QCOMPARE(dialog.ControlAs<QAbstractButton>(id)->isChecked(), id == button);
    }
  }

  // Enter reads the fields back day, month, year, and stops at the first one out of range.
  void EnterClosesOnlyOnAValidDate_data() {
    QTest::addColumn<QStringList>("typed");  // month, day, year
    QTest::addColumn<QString>("prompt");     // none: the dialog closes
    QTest::newRow("largest") << QStringList{"12", "31", "2099"} << QString();
    QTest::newRow("day 32") << QStringList{"1", "32", "2000"}
                            << "Please enter an integer between 1 and 31.";
    QTest::newRow("month 13") << QStringList{"13", "1", "2000"}
                              << "Please enter an integer between 1 and 12.";
    QTest::newRow("year 2100") << QStringList{"1", "1", "2100"}
                               << "Please enter an integer between 1901 and 2099.";
    QTest::newRow("text") << QStringList{"1", "x", "2000"} << "Please enter an integer.";
  }
  void EnterClosesOnlyOnAValidDate() {
    QFETCH(QStringList, typed);
    QFETCH(QString, prompt);
    const FixedToday today({16, 6, 2004});
    QStringList prompts;
    const ScopedPromptAnswer answer([&prompts](QWidget*, const QString& text) { prompts << text; });
    HoroscopeDialog dialog(*app_);
    HoroscopeDialogPeer::StopTrace(dialog);
    for (int field = 0; field < 3; ++field) {
      auto* edit =
          dialog.ControlAs<QLineEdit>(QList{kIdBirthMonth, kIdBirthDay, kIdBirthYear}[field]);
      edit->selectAll();
      QTest::keyClicks(edit, typed[field]);
    }
    QTest::keyClick(dialog.Control(kIdBirthYear), Qt::Key_Return);
    QCOMPARE(prompts, prompt.isEmpty() ? QStringList{} : QStringList{prompt});
    QCOMPARE(dialog.result(), int(prompt.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    if (prompt.isEmpty()) {
      const QStringList stored{QString::number(app_->birthMonth), QString::number(app_->birthDay),
                               QString::number(app_->birthYear)};
      QCOMPARE(stored, typed);
    }
  }

  // A trace ending on 31 December 2099, the last day, starts over on 1 January 1900.
  void TraceEndingOnTheLastDayStartsOverIn1900() {
    const FixedToday today({15, 12, 2099});
    HoroscopeDialog dialog(*app_);
    QTest::mouseClick(dialog.ControlAs<QAbstractButton>(kIdThisMonth), Qt::LeftButton);
    while (Date(HoroscopeDialogPeer::TraceDate(dialog)) < QDate(2099, 12, 31))
      HoroscopeDialogPeer::AdvanceTrace(dialog);
    HoroscopeDialogPeer::AdvanceTrace(dialog);
    HoroscopeDialogPeer::AdvanceTrace(dialog);
    QCOMPARE(Date(HoroscopeDialogPeer::TraceDate(dialog)), QDate(1900, 1, 2));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
  }

 private:
  std::unique_ptr<ScratchApp> app_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::MainWindowTest)
#include "main_window_test.moc"
