// The main dialog driven as a user drives it: periods, Submit, the trace, the sign list, the
// sliders, Enter and Escape, the About box, resizing and what is stored at exit. Runs on the
// offscreen platform, where the view has no OpenGL: the ratings must not depend on it.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/about_dialog.h"
#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "engine/horoscope_scoring.h"
#include "engine/local_clock.h"
#include "platform/prompt.h"
#include "platform/settings_store.h"
#include "sky/sky_scene.h"
#include "view/sky_view.h"

namespace astrivo {
namespace {

constexpr int kEnoughTicks = 200000;  // more than any trace here needs

struct Shown {
  int luck, love, money;
};

Shown TargetsOf(const HoroscopeDialog& dialog) {
  return {dialog.LuckBar()->TargetLevel() - 200, dialog.LoveBar()->TargetLevel() - 200,
          dialog.MoneyBar()->TargetLevel() - 200};
}

// What the engine says for the same birth date and span, on a scene of its own.
HoroscopeScores EngineScores(const CalendarDate& birth, const CalendarDate& first,
                             const CalendarDate& last) {
  SkyScene scene;
  scene.Build();
  return RatePeriod(scene, SignForBirthDate(birth), birth, first, last);
}

void RunTraceToEnd(HoroscopeDialog& dialog) {
  for (int tick = 0; tick < kEnoughTicks && dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer);
       ++tick) {
    dialog.AdvanceTrace();
  }
}

QString Text(const HoroscopeDialog& dialog, int id) {
  if (auto* label = dialog.ControlAs<QLabel>(id)) return label->text();
  return dialog.ControlAs<QLineEdit>(id)->text();
}

void Type(HoroscopeDialog& dialog, int id, const QString& text) {
  auto* edit = dialog.ControlAs<QLineEdit>(id);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void Click(HoroscopeDialog& dialog, int id) {
  QTest::mouseClick(dialog.ControlAs<QAbstractButton>(id), Qt::LeftButton);
}

}  // namespace

class HoroscopeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    settingsDir_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<SettingsStore>(settingsDir_->filePath("astrivo.ini"));
    app_ = std::make_unique<HoroscopeApp>(*settings_);
    prompts_.clear();
    promptAnswer_ = std::make_unique<ScopedPromptAnswer>(
        [this](QWidget*, const QString& text) { prompts_ << text; });
  }

  void cleanup() {
    promptAnswer_.reset();
    app_.reset();
    settings_.reset();
    settingsDir_.reset();
  }

  void StartsWithThisWeekRatedForTheStoredBirthDate() {
    const FixedToday today({16, 6, 2004});  // a Wednesday
    app_->birthDay = 15;
    app_->birthMonth = 6;
    app_->birthYear = 1980;
    HoroscopeDialog dialog(*app_);

    QVERIFY(dialog.ControlAs<QRadioButton>(kIdThisWeek)->isChecked());
    QCOMPARE(dialog.PeriodStart().GetDayNumber(), CalendarDate(14, 6, 2004).GetDayNumber());
    QCOMPARE(dialog.PeriodEnd().GetDayNumber(), CalendarDate(20, 6, 2004).GetDayNumber());
    const HoroscopeScores expected =
        EngineScores(CalendarDate(15, 6, 1980), dialog.PeriodStart(), dialog.PeriodEnd());
    const Shown shown = TargetsOf(dialog);
    QCOMPARE(shown.luck, expected.luck);
    QCOMPARE(shown.love, expected.love);
    QCOMPARE(shown.money, expected.money);
    // Gemini is selected and the view turns toward it.
    QCOMPARE(dialog.ControlAs<QComboBox>(kIdSignList)->currentIndex(), 4);
    QCOMPARE(dialog.ControlAs<QComboBox>(kIdSignList)->currentText(), QString("GEMINI "));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer));
    QCOMPARE(Text(dialog, kIdBirthMonth), QString("6"));
    QCOMPARE(Text(dialog, kIdBirthDay), QString("15"));
    QCOMPARE(Text(dialog, kIdBirthYear), QString("1980"));
    QVERIFY(prompts_.isEmpty());
  }

  void PeriodButtonsRateTheirSpan_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("This Week on a Sunday")
        << int(kIdThisWeek) << QDate(2026, 12, 6) << QDate(2026, 11, 30) << QDate(2026, 12, 6);
    QTest::newRow("This Week on a Monday")
        << int(kIdThisWeek) << QDate(2026, 11, 30) << QDate(2026, 11, 30) << QDate(2026, 12, 6);
    QTest::newRow("This Month, February of a leap year")
        << int(kIdThisMonth) << QDate(2004, 2, 10) << QDate(2004, 2, 1) << QDate(2004, 2, 29);
    QTest::newRow("This Month, February of a common year")
        << int(kIdThisMonth) << QDate(2005, 2, 10) << QDate(2005, 2, 1) << QDate(2005, 2, 28);
    QTest::newRow("Today") << int(kIdToday) << QDate(2004, 6, 16) << QDate(2004, 6, 16)
                           << QDate(2004, 6, 16);
    QTest::newRow("Tomorrow across the year's end")
        << int(kIdTomorrow) << QDate(2004, 12, 31) << QDate(2005, 1, 1) << QDate(2005, 1, 1);
  }

  void PeriodButtonsRateTheirSpan() {
    QFETCH(int, button);
    QFETCH(QDate, today);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const FixedToday fixed({today.day(), today.month(), today.year()});
    app_->birthDay = 7;
    app_->birthMonth = 9;
    app_->birthYear = 1975;
    HoroscopeDialog dialog(*app_);

    Click(dialog, button);

    const CalendarDate expectedFirst(first.day(), first.month(), first.year());
    const CalendarDate expectedLast(last.day(), last.month(), last.year());
    QCOMPARE(dialog.PeriodStart().GetDayNumber(), expectedFirst.GetDayNumber());
    QCOMPARE(dialog.PeriodEnd().GetDayNumber(), expectedLast.GetDayNumber());
    const HoroscopeScores expected =
        EngineScores(CalendarDate(7, 9, 1975), expectedFirst, expectedLast);
    QCOMPARE(TargetsOf(dialog).luck, expected.luck);
    QCOMPARE(TargetsOf(dialog).love, expected.love);
    QCOMPARE(TargetsOf(dialog).money, expected.money);
    // Only the clicked button stays checked, and clicking it again keeps it checked.
    for (int id : {kIdToday, kIdTomorrow, kIdThisWeek, kIdThisMonth}) {
      QCOMPARE(dialog.ControlAs<QRadioButton>(id)->isChecked(), id == button);
    }
    Click(dialog, button);
    QVERIFY(dialog.ControlAs<QRadioButton>(button)->isChecked());
  }

  void SubmitShowsTheRatingsForTheTypedBirthDate() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    RunTraceToEnd(dialog);

    Type(dialog, kIdBirthMonth, "3");
    Type(dialog, kIdBirthDay, "21");
    Type(dialog, kIdBirthYear, "1990");
    Click(dialog, kIdSubmit);

    const CalendarDate birth(21, 3, 1990);
    const HoroscopeScores expected = EngineScores(birth, dialog.PeriodStart(), dialog.PeriodEnd());
    QCOMPARE(TargetsOf(dialog).luck, expected.luck);
    QCOMPARE(TargetsOf(dialog).love, expected.love);
    QCOMPARE(TargetsOf(dialog).money, expected.money);
    QCOMPARE(dialog.ControlAs<QComboBox>(kIdSignList)->currentIndex(), 2);  // Aries
    QCOMPARE(dialog.birthDay, 21);

    // The bars arrive at the ratings during the trace.
    RunTraceToEnd(dialog);
    QCOMPARE(dialog.LuckBar()->CurrentLevel(), dialog.LuckBar()->TargetLevel());
    QCOMPARE(dialog.MoneyBar()->CurrentLevel(), dialog.MoneyBar()->TargetLevel());
  }

  void TraceReplaysFourMonthsAndReenablesTheInputs() {
    const FixedToday today({15, 12, 2004});
    HoroscopeDialog dialog(*app_);
    Click(dialog, kIdThisMonth);  // ends 31 December 2004

    // Until the first tick the statics keep their captions; the inputs wait for the trace.
    QCOMPARE(Text(dialog, kIdTraceMonth), QString("MM"));
    QCOMPARE(Text(dialog, kIdTraceDay), QString("DD"));
    QCOMPARE(Text(dialog, kIdTraceYear), QString("YY"));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    for (int id : {kIdBirthMonth, kIdBirthDay, kIdBirthYear, kIdSubmit}) {
      QVERIFY(!dialog.Control(id)->isEnabled());
    }

    dialog.AdvanceTrace();
    QCOMPARE(Text(dialog, kIdTraceMonth), QString("9"));
    QCOMPARE(Text(dialog, kIdTraceDay), QString("1"));
    QCOMPARE(Text(dialog, kIdTraceYear), QString("2004"));
    const Planet* mars = dialog.Scene().BodyAt(4);
    QCOMPARE(mars->trail.Count(), 1);

    int days = 1;
    while (dialog.TraceDate().GetDayNumber() < dialog.PeriodEnd().GetDayNumber()) {
      dialog.AdvanceTrace();
      ++days;
    }
    QCOMPARE(days, 122);  // 1 September .. 31 December
    QCOMPARE(Text(dialog, kIdTraceMonth), QString("12"));
    QCOMPARE(Text(dialog, kIdTraceDay), QString("31"));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    dialog.AdvanceTrace();
    QVERIFY(!dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    for (int id : {kIdBirthMonth, kIdBirthDay, kIdBirthYear, kIdSubmit}) {
      QVERIFY(dialog.Control(id)->isEnabled());
    }
    QCOMPARE(mars->trail.Count(), 122);
  }

  void RepeatedSubmitsRestartTheTrace() {
    const FixedToday today({10, 3, 2004});
    HoroscopeDialog dialog(*app_);
    for (int round = 0; round < 5; ++round) {
      dialog.AdvanceTrace();
      Click(dialog, round % 2 == 0 ? kIdThisMonth : kIdThisWeek);
    }
    CalendarDate expected = dialog.PeriodEnd();
    expected.SubtractMonths(4);
    QCOMPARE(dialog.TraceDate().GetDayNumber(), expected.GetDayNumber());
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    QCOMPARE(dialog.Scene().BodyAt(2)->trail.Count(), 0);
  }

  void TraceEndingWithTheLastDayStartsOverIn1900() {
    const FixedToday today({15, 12, 2099});
    HoroscopeDialog dialog(*app_);
    Click(dialog, kIdThisMonth);
    while (dialog.TraceDate().GetDayNumber() < dialog.PeriodEnd().GetDayNumber()) {
      dialog.AdvanceTrace();
    }
    QCOMPARE(Text(dialog, kIdTraceYear), QString("2099"));
    dialog.AdvanceTrace();
    QCOMPARE(dialog.TraceDate().Year(), 1900);
    QCOMPARE(dialog.TraceDate().Month(), 1);
    QCOMPARE(dialog.TraceDate().Day(), 1);
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    dialog.AdvanceTrace();
    QCOMPARE(Text(dialog, kIdTraceYear), QString("1900"));
  }

  void ChosenSignTurnsTheViewAndLeavesTheRatings() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);  // 1 January 2000: Capricorn, index 11
    SkyScene& scene = dialog.Scene();
    while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer)) dialog.OnTurnTick();
    const int restingHeading = scene.heading;
    const Shown before = TargetsOf(dialog);

    auto* list = dialog.ControlAs<QComboBox>(kIdSignList);
    list->setCurrentIndex(0);  // programmatic: no handler runs
    QCOMPARE(scene.targetHeading, restingHeading);
    QVERIFY(!dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer));
    QTest::keyClick(list, Qt::Key_Down);  // the user picks Pisces
    QCOMPARE(list->currentIndex(), 1);
    QCOMPARE(scene.targetHeading, static_cast<int>(scene.SignAt(1)->Component(1)));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer));

    auto* heading = dialog.ControlAs<QSlider>(kIdHeadingSlider);
    int ticks = 0;
    while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer) && ticks < 400) {
      const int from = scene.heading;
      dialog.OnTurnTick();
      ++ticks;
      QVERIFY(std::abs(scene.heading - from) <= 2);
      QCOMPARE(heading->value(), -scene.heading);
    }
    QCOMPARE(scene.heading, scene.targetHeading);
    QCOMPARE(TargetsOf(dialog).luck, before.luck);
    QCOMPARE(TargetsOf(dialog).love, before.love);
    QCOMPARE(TargetsOf(dialog).money, before.money);
  }

  void SlidersMoveTheViewOnlyForTheUser() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    RunTraceToEnd(dialog);
    SkyScene& scene = dialog.Scene();
    auto* tilt = dialog.ControlAs<QSlider>(kIdTiltSlider);
    auto* heading = dialog.ControlAs<QSlider>(kIdHeadingSlider);
    QCOMPARE(tilt->minimum(), 0);
    QCOMPARE(tilt->maximum(), 90);
    QCOMPARE(tilt->value(), 30);
    QCOMPARE(heading->minimum(), -180);
    QCOMPARE(heading->maximum(), 180);

    const int headingBefore = scene.heading;
    tilt->setValue(60);
    heading->setValue(headingBefore + 45);
    QCOMPARE(scene.tilt, 30);
    QCOMPARE(scene.heading, headingBefore);

    tilt->setValue(30);
    QTest::keyClick(tilt, Qt::Key_Down);  // the minimum is at the top: Down tilts further
    QCOMPARE(scene.tilt, 31);
    QTest::keyClick(tilt, Qt::Key_PageDown);
    QCOMPARE(scene.tilt, tilt->value());
    QVERIFY(scene.tilt > 31);
    heading->setValue(0);
    QTest::keyClick(heading, Qt::Key_Right);
    QCOMPARE(scene.heading, -heading->value());
    QVERIFY(scene.heading != 0);
  }

  void EnterClosesOnlyWithValidFields() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    RunTraceToEnd(dialog);

    Type(dialog, kIdBirthDay, "abc");
    QTest::keyClick(dialog.Control(kIdBirthDay), Qt::Key_Return);
    QCOMPARE(prompts_, QStringList{"Please enter an integer."});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // Enter on Submit presses it instead of closing.
    Type(dialog, kIdBirthDay, "12");
    QTest::keyClick(dialog.Control(kIdSubmit), Qt::Key_Return);
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
    QCOMPARE(dialog.birthDay, 12);
    QCOMPARE(app_->birthDay, 1);  // handed back only when the dialog closes
    RunTraceToEnd(dialog);

    Type(dialog, kIdBirthMonth, "13");
    QTest::keyClick(dialog.Control(kIdBirthMonth), Qt::Key_Return);
    QCOMPARE(prompts_.size(), 2);
    QCOMPARE(prompts_.last(), QString("Please enter an integer between 1 and 12."));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    Type(dialog, kIdBirthMonth, "11");
    QTest::keyClick(dialog.Control(kIdBirthYear), Qt::Key_Enter);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(app_->birthDay, 12);
    QCOMPARE(app_->birthMonth, 11);
    QCOMPARE(app_->birthYear, 2000);
  }

  void ClosingStoresWhatTheFieldsHold_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("storedDay");
    QTest::addColumn<QStringList>("expectedPrompts");
    QTest::newRow("a typed date, never submitted") << "24" << 24 << QStringList{};
    QTest::newRow("a day out of range is stored as typed")
        << "45" << 45 << QStringList{"Please enter an integer between 1 and 31."};
    QTest::newRow("text keeps the last good value")
        << "x1" << 1 << QStringList{"Please enter an integer."};
  }

  void ClosingStoresWhatTheFieldsHold() {
    QFETCH(QString, day);
    QFETCH(int, storedDay);
    QFETCH(QStringList, expectedPrompts);
    const FixedToday today({16, 6, 2004});
    app_->ReadSettings();
    {
      HoroscopeDialog dialog(*app_);
      RunTraceToEnd(dialog);
      Type(dialog, kIdBirthDay, day);
      QTest::keyClick(&dialog, Qt::Key_Escape);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QVERIFY(!dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer));
    }
    app_->WriteSettings();
    QCOMPARE(prompts_, expectedPrompts);
    HoroscopeApp next(*settings_);
    next.ReadSettings();
    QCOMPARE(next.birthDay, storedDay);
    QCOMPARE(next.birthMonth, 1);
    QCOMPARE(next.birthYear, 2000);
  }

  void StoredValuesAreShownUncorrected_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("expectedPrompts");
    QTest::newRow("7 September 1975") << 7 << 9 << 1975 << QStringList{};
    QTest::newRow("a year before 1901")
        << 1 << 1 << 1800 << QStringList{"Please enter an integer between 1901 and 2099."};
    QTest::newRow("huge and negative values")
        << -5 << 2000000000 << 2147483647
        << QStringList{"Please enter an integer between 1 and 31."};
  }

  void StoredValuesAreShownUncorrected() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QStringList, expectedPrompts);
    const FixedToday today({16, 6, 2004});
    app_->birthDay = day;
    app_->birthMonth = month;
    app_->birthYear = year;
    HoroscopeDialog dialog(*app_);
    QCOMPARE(Text(dialog, kIdBirthDay), QString::number(day));
    QCOMPARE(Text(dialog, kIdBirthMonth), QString::number(month));
    QCOMPARE(Text(dialog, kIdBirthYear), QString::number(year));
    QCOMPARE(prompts_, expectedPrompts);
    const Shown shown = TargetsOf(dialog);
    for (int rating : {shown.luck, shown.love, shown.money}) {
      QVERIFY(rating >= 0 && rating <= 100);
    }
  }

  void AboutOpensFromTheContextMenuAndF1() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    int aboutBoxes = 0;
    const auto closeAbout = [&aboutBoxes] {
      if (auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
        ++aboutBoxes;
        about->close();
      }
    };

    QStringList menuTexts;
    QTimer::singleShot(0, &dialog, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu != nullptr);
      for (QAction* action : menu->actions()) menuTexts << action->text();
      QTimer::singleShot(0, &dialog, closeAbout);
      menu->actions().first()->trigger();
      menu->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 300),
                                 dialog.mapToGlobal(QPoint(20, 300)));
    QApplication::sendEvent(&dialog, &rightClick);
    QCOMPARE(menuTexts, QStringList{"&About Astrivo..."});
    QCOMPARE(aboutBoxes, 1);

    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTimer::singleShot(0, &dialog, closeAbout);
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(aboutBoxes, 2);
    dialog.close();
  }

  void EveryInputTakesClicksAtItsPlace() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    for (int id : {kIdSignList, kIdToday, kIdThisWeek, kIdThisMonth, kIdTomorrow,
                   kIdHeadingSlider, kIdTiltSlider, kIdBirthMonth, kIdBirthDay, kIdBirthYear,
                   kIdSubmit}) {
      QWidget* control = dialog.Control(id);
      QWidget* hit = dialog.childAt(control->geometry().center());
      QVERIFY2(hit == control || control->isAncestorOf(hit), qPrintable(QString::number(id)));
    }
    // Closed, the sign list is one line high, not the height of its open list.
    auto* list = dialog.ControlAs<QComboBox>(kIdSignList);
    QCOMPARE(list->height(), list->sizeHint().height());
  }

  void LayoutFollowsTheWindowAboveItsMinimum() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* view = dialog.Control(kIdSkyView);
    QWidget* tilt = dialog.Control(kIdTiltSlider);
    QWidget* heading = dialog.Control(kIdHeadingSlider);

    dialog.resize(1200, 800);
    QTRY_COMPARE(view->geometry(), QRect(390, 10, 775, 755));
    QCOMPARE(tilt->geometry(), QRect(1165, 10, 30, 755));
    QCOMPARE(heading->geometry(), QRect(390, 765, 775, 30));

    dialog.resize(700, 450);  // below 750 x 500: the controls stay
    QTRY_COMPARE(dialog.size(), QSize(700, 450));
    QCOMPARE(view->geometry(), QRect(390, 10, 775, 755));

    dialog.resize(1000, 600);
    QTRY_COMPARE(view->geometry(), QRect(390, 10, 575, 555));
    dialog.close();
  }

 private:
  std::unique_ptr<QTemporaryDir> settingsDir_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<HoroscopeApp> app_;
  QStringList prompts_;
  std::unique_ptr<ScopedPromptAnswer> promptAnswer_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::HoroscopeDialogTest)
#include "horoscope_dialog_test.moc"
