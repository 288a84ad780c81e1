// The main dialog driven as a user drives it: periods, Submit, the trace, the sign list, the
// sliders, Enter and Escape, the About box and resizing. Runs on the offscreen platform,
// where the view has no OpenGL: the ratings must not depend on it.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/about_dialog.h"
#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "fixed_today.h"
#include "scoped_prompt_answer.h"
#include "scratch_app.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

constexpr int kEnoughTicks = 200000;  // more than any trace here needs

// Luck, Love and Money as the bars are heading for them.
QList<int> Shown(const HoroscopeDialog& dialog) {
  return {dialog.LuckBar()->TargetLevel() - 200, dialog.LoveBar()->TargetLevel() - 200,
          dialog.MoneyBar()->TargetLevel() - 200};
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

QString TraceShown(const HoroscopeDialog& dialog) {
  return Text(dialog, kIdTraceMonth) + "/" + Text(dialog, kIdTraceDay) + "/" +
         Text(dialog, kIdTraceYear);
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

DayNumber Day(int day, int month, int year) { return CalendarDate::DayNumberOf(day, month, year); }

}  // namespace

class HoroscopeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    app_ = std::make_unique<ScratchApp>();
    prompts_.clear();
    promptAnswer_ = std::make_unique<ScopedPromptAnswer>(
        [this](QWidget*, const QString& text) { prompts_ << text; });
  }

  void cleanup() {
    promptAnswer_.reset();
    app_.reset();
  }

  // The stored date is shown as stored, even out of range, and This Week is rated at once.
  void OpensWithTheStoredDateAndThisWeekRated_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("sign");
    QTest::addColumn<QStringList>("expectedPrompts");
    QTest::addColumn<QList<int>>("ratings");
    // Ratings from tools/reference/sky_reference.py: rate_period((15, 6, 1980), (14, 6, 2004),
    // (20, 6, 2004)). Out of range, only the fields and the prompt are checked.
    QTest::newRow("15 June 1980: Gemini")
        << 15 << 6 << 1980 << 4 << QStringList{} << QList<int>{24, 23, 41};
    QTest::newRow("a year before 1901")
        << 1 << 1 << 1800 << 11 << QStringList{"Please enter an integer between 1901 and 2099."}
        << QList<int>{};
    QTest::newRow("huge and negative values")
        << -5 << 2000000000 << 2147483647 << -1
        << QStringList{"Please enter an integer between 1 and 31."} << QList<int>{};
  }

  void OpensWithTheStoredDateAndThisWeekRated() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, sign);
    QFETCH(QStringList, expectedPrompts);
    QFETCH(QList<int>, ratings);
    const FixedToday today({16, 6, 2004});  // a Wednesday
    app_->birthDay = day;
    app_->birthMonth = month;
    app_->birthYear = year;
    HoroscopeDialog dialog(*app_);

    const QStringList fields{Text(dialog, kIdBirthDay), Text(dialog, kIdBirthMonth),
                             Text(dialog, kIdBirthYear)};
    QCOMPARE(fields,
             (QStringList{QString::number(day), QString::number(month), QString::number(year)}));
    QCOMPARE(prompts_, expectedPrompts);
    QVERIFY(dialog.ControlAs<QRadioButton>(kIdThisWeek)->isChecked());
    QCOMPARE(dialog.PeriodStart().GetDayNumber(), Day(14, 6, 2004));
    QCOMPARE(dialog.PeriodEnd().GetDayNumber(), Day(20, 6, 2004));
    if (!ratings.isEmpty()) QCOMPARE(Shown(dialog), ratings);
    if (sign >= 0) QCOMPARE(dialog.ControlAs<QComboBox>(kIdSignList)->currentIndex(), sign);
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer));
  }

  void PeriodButtonsRateTheirSpan_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QList<int>>("ratings");
    // Born 7 September 1975; ratings from tools/reference/sky_reference.py's rate_period.
    QTest::newRow("This Week on a Sunday")
        << int(kIdThisWeek) << QDate(2026, 12, 6) << QDate(2026, 11, 30) << QDate(2026, 12, 6)
        << QList<int>{45, 56, 53};
    QTest::newRow("This Week on a Monday")
        << int(kIdThisWeek) << QDate(2026, 11, 30) << QDate(2026, 11, 30) << QDate(2026, 12, 6)
        << QList<int>{45, 56, 53};
    QTest::newRow("This Month, February of a leap year")
        << int(kIdThisMonth) << QDate(2004, 2, 10) << QDate(2004, 2, 1) << QDate(2004, 2, 29)
        << QList<int>{26, 46, 62};
    QTest::newRow("This Month, February of a common year")
        << int(kIdThisMonth) << QDate(2005, 2, 10) << QDate(2005, 2, 1) << QDate(2005, 2, 28)
        << QList<int>{3, 32, 25};
    QTest::newRow("Today") << int(kIdToday) << QDate(2004, 6, 16) << QDate(2004, 6, 16)
                           << QDate(2004, 6, 16) << QList<int>{36, 57, 100};
    QTest::newRow("Tomorrow across the year's end")
        << int(kIdTomorrow) << QDate(2004, 12, 31) << QDate(2005, 1, 1) << QDate(2005, 1, 1)
        << QList<int>{20, 100, 100};
  }

  void PeriodButtonsRateTheirSpan() {
    QFETCH(int, button);
    QFETCH(QDate, today);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QList<int>, ratings);
    const FixedToday fixed({today.day(), today.month(), today.year()});
    app_->birthDay = 7;
    app_->birthMonth = 9;
    app_->birthYear = 1975;
    HoroscopeDialog dialog(*app_);

    Click(dialog, button);
    QCOMPARE(dialog.PeriodStart().GetDayNumber(), Day(first.day(), first.month(), first.year()));
    QCOMPARE(dialog.PeriodEnd().GetDayNumber(), Day(last.day(), last.month(), last.year()));
    QCOMPARE(Shown(dialog), ratings);
    // Only the clicked button stays checked, and clicking it again keeps it checked.
    Click(dialog, button);
    for (int id : {kIdToday, kIdTomorrow, kIdThisWeek, kIdThisMonth}) {
      QCOMPARE(dialog.ControlAs<QRadioButton>(id)->isChecked(), id == button);
    }
  }

  void TraceEndingWithTheLastDayStartsOverIn1900() {
    const FixedToday today({15, 12, 2099});
    HoroscopeDialog dialog(*app_);
    Click(dialog, kIdThisMonth);
    while (dialog.TraceDate().GetDayNumber() < dialog.PeriodEnd().GetDayNumber()) {
      dialog.AdvanceTrace();
    }
    dialog.AdvanceTrace();
    QCOMPARE(dialog.TraceDate().GetDayNumber(), Day(1, 1, 1900));
    dialog.AdvanceTrace();
    QCOMPARE(TraceShown(dialog), QString("1/2/1900"));
    QVERIFY(dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer));
  }

  void ChosenSignTurnsTheViewAndLeavesTheRatings() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);  // 1 January 2000: Capricorn
    SkyScene& scene = dialog.Scene();
    while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer)) dialog.OnTurnTick();
    const QList<int> before = Shown(dialog);
    const int restingTarget = scene.targetHeading;

    auto* list = dialog.ControlAs<QComboBox>(kIdSignList);
    list->setCurrentIndex(0);  // the program's own selection runs no handler
    QCOMPARE(scene.targetHeading, restingTarget);
    QTest::keyClick(list, Qt::Key_Down);  // the user picks Pisces
    QCOMPARE(scene.targetHeading, static_cast<int>(scene.SignAt(1)->Component(1)));

    while (dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer)) dialog.OnTurnTick();
    QCOMPARE(Shown(dialog), before);
  }

  void SlidersMoveTheViewOnlyForTheUser() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    RunTraceToEnd(dialog);
    SkyScene& scene = dialog.Scene();
    auto* tilt = dialog.ControlAs<QSlider>(kIdTiltSlider);
    auto* heading = dialog.ControlAs<QSlider>(kIdHeadingSlider);

    const int headingBefore = scene.heading;
    tilt->setValue(60);  // the program's own moves run no handler
    heading->setValue(headingBefore + 45);
    QCOMPARE(scene.tilt, 30);
    QCOMPARE(scene.heading, headingBefore);

    tilt->setValue(30);
    QTest::keyClick(tilt, Qt::Key_Down);  // the minimum is at the top: Down tilts further
    QCOMPARE(scene.tilt, 31);
    QTest::keyClick(heading, Qt::Key_Right);
    QCOMPARE(scene.heading, -heading->value());
  }

  void EnterClosesOnlyWithValidFields() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    RunTraceToEnd(dialog);

    Type(dialog, kIdBirthDay, "abc");
    QTest::keyClick(dialog.Control(kIdBirthDay), Qt::Key_Return);
    Type(dialog, kIdBirthDay, "31");  // the largest values are valid
    Type(dialog, kIdBirthYear, "2099");
    Type(dialog, kIdBirthMonth, "13");
    QTest::keyClick(dialog.Control(kIdBirthMonth), Qt::Key_Return);
    QCOMPARE(prompts_, (QStringList{"Please enter an integer.",
                                    "Please enter an integer between 1 and 12."}));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // The date goes back only at closing.
    Type(dialog, kIdBirthMonth, "12");
    QCOMPARE(app_->birthDay, 1);

    QTest::keyClick(dialog.Control(kIdBirthYear), Qt::Key_Enter);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE((QList<int>{app_->birthDay, app_->birthMonth, app_->birthYear}),
             (QList<int>{31, 12, 2099}));
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

  void LayoutTakesClicksAndFollowsTheWindow() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    // Every input is the topmost control at its place (no frame swallows its clicks), and the
    // closed sign list is one line high, not the height of its open list.
    for (int id : {kIdSignList, kIdToday, kIdThisWeek, kIdThisMonth, kIdTomorrow, kIdHeadingSlider,
                   kIdTiltSlider, kIdBirthMonth, kIdBirthDay, kIdBirthYear, kIdSubmit}) {
      QWidget* control = dialog.Control(id);
      QWidget* hit = dialog.childAt(control->geometry().center());
      QVERIFY2(hit == control || control->isAncestorOf(hit), qPrintable(QString::number(id)));
    }
    auto* list = dialog.ControlAs<QComboBox>(kIdSignList);
    QCOMPARE(list->height(), list->sizeHint().height());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* view = dialog.Control(kIdSkyView);
    dialog.resize(1200, 800);
    QTRY_COMPARE(view->geometry(), QRect(390, 10, 775, 755));
    QCOMPARE(dialog.Control(kIdTiltSlider)->geometry(), QRect(1165, 10, 30, 755));
    QCOMPARE(dialog.Control(kIdHeadingSlider)->geometry(), QRect(390, 765, 775, 30));
    dialog.resize(1000, 600);
    QTRY_COMPARE(view->geometry(), QRect(390, 10, 575, 555));
    dialog.close();
  }

 private:
  std::unique_ptr<ScratchApp> app_;
  QStringList prompts_;
  std::unique_ptr<ScopedPromptAnswer> promptAnswer_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::HoroscopeDialogTest)
#include "horoscope_dialog_test.moc"
