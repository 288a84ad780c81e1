// The platform under the dialogs: a dialog built from a small layout table, driven the way a
// user drives it (placement in dialog units, notifications only for the user's own actions,
// data exchange with its prompts, timers by id).
#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QTest>

#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/timer_set.h"
#include "scoped_prompt_answer.h"

namespace astrivo {
namespace {

constexpr int kDay = 1047, kMonth = 1046, kYear = 1048, kSubmit = 1049;
constexpr int kToday = 1005, kWeek = 1006, kSigns = 1004, kTilt = 1027;
constexpr int kTestPicture = 9001;  // 3 x 2 pixels, tests/platform/data

// clang-format off
const DialogTemplate kLayout{"Test Dialog", 300, 200, kResizable, {
    // id, kind, caption, picture, style, x, y, width, height (dialog units)
    {kDay, ControlKind::kEdit, "", 0, kBorder | kTabStop, 40, 5, 25, 14},
    {kMonth, ControlKind::kEdit, "", 0, kBorder | kTabStop, 70, 5, 25, 14},
    {kYear, ControlKind::kEdit, "", 0, kBorder | kTabStop, 65, 27, 25, 15},
    {kToday, ControlKind::kRadioButton, "&Today", 0, kNoStyle, 5, 30, 50, 10},
    {kWeek, ControlKind::kRadioButton, "This &Week", 0, kNoStyle, 60, 30, 50, 10},
    {kSigns, ControlKind::kDropDownList, "", 0, kUpperCase, 5, 45, 85, 140},
    {kSubmit, ControlKind::kPushButton, "&Submit", 0, kTabStop, 5, 65, 60, 14},
    {kTilt, ControlKind::kTrackBar, "", 0, kVertical | kTabStop, 100, 65, 20, 100},
    {kNoId, ControlKind::kPicture, "", kTestPicture, kSunken | kBorder, 150, 30, 26, 24}}};
// clang-format on

struct TestDialog : Dialog {
  TestDialog() : Dialog(kLayout, {}, nullptr, TestPrompts()) {
    show();
    activateWindow();
    // A window that never becomes active fails the focus checks of the tests themselves.
    static_cast<void>(QTest::qWaitForWindowActive(this));
  }
  int day = 1, month = 1, year = 2000;
  void DoDataExchange(DataExchange& exchange) override {
    exchange.IntInRange(kDay, day, 1, 31);
    exchange.IntInRange(kMonth, month, 1, 12);
    exchange.IntInRange(kYear, year, 1901, 2099);
  }
};

}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Base units 6 x 13, the dialog's 8-point font: x * 6 / 4 and y * 13 / 8, each rounded
  // half away from zero. 300 x 200 units are 450 x 325 px; the year field at (65, 27, 25, 15)
  // is at (97.5, 43.875, 37.5, 24.375) px; the picture at (150, 30) takes its natural 3 x 2 px
  // plus a 2 px sunken border each side.
  void PlacesControlsFromTheTable() {
    TestDialog dialog;
    QCOMPARE(dialog.size(), QSize(450, 325));
    QCOMPARE(dialog.Control(kYear)->geometry(), QRect(98, 44, 38, 24));
    QCOMPARE(dialog.findChild<QLabel*>()->geometry(), QRect(225, 49, 7, 6));
  }

  // The same base units 6 x 13 by hand: x * 6 / 4 and y * 13 / 8, a half rounded away from
  // zero on either side of it, so a layout mirrored about an edge stays mirrored.
  void ConvertsUnitsRoundingHalvesAwayFromZero_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixelsX");
    QTest::addColumn<int>("pixelsY");
    // clang-format off
    QTest::newRow("zero") << 0 << 0 << 0;
    QTest::newRow("1: 1.5 x 1.625") << 1 << 2 << 2;
    QTest::newRow("-1: -1.5 x -1.625") << -1 << -2 << -2;
    QTest::newRow("-2: -3 x -3.25") << -2 << -3 << -3;
    QTest::newRow("-3: -4.5 x -4.875") << -3 << -5 << -5;
    QTest::newRow("-4: -6 x -6.5") << -4 << -6 << -7;
    QTest::newRow("4: 6 x 6.5") << 4 << 6 << 7;
    // clang-format on
  }
  void ConvertsUnitsRoundingHalvesAwayFromZero() {
    QFETCH(int, units);
    QFETCH(int, pixelsX);
    QFETCH(int, pixelsY);
    const DialogUnits dialogUnits;
    QCOMPARE(dialogUnits.ToPixelsX(units), pixelsX);
    QCOMPARE(dialogUnits.ToPixelsY(units), pixelsY);
  }

  // Handlers run for clicks, keys and mnemonics, never for what the program sets. Each radio
  // button is its own group and a click never clears it; the list shows its entries in upper
  // case.
  void NotifiesOnlyTheUsersActions() {
    TestDialog dialog;
    QStringList seen;
    for (int id : {kSubmit, kToday, kWeek}) {
      dialog.SetClickHandler(id, [&seen, id] { seen << QString::number(id); });
    }
    dialog.SetSelectionHandler(kSigns, [&seen] { seen << "list"; });
    dialog.SetScrollHandler(kTilt, [&seen](int position) { seen << QString::number(position); });
    auto* today = dialog.ControlAs<QRadioButton>(kToday);
    auto* tilt = dialog.ControlAs<QSlider>(kTilt);
    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({"a", "b", "c"});
    tilt->setRange(0, 90);
    today->setChecked(true);
    tilt->setValue(40);
    signs->setCurrentIndex(1);
    QTest::mouseClick(dialog.Control(kSubmit), Qt::LeftButton);
    QTest::keyClick(dialog.Control(kSubmit), Qt::Key_Space);
    QTest::mouseClick(today, Qt::LeftButton);
    QTest::mouseClick(dialog.Control(kWeek), Qt::LeftButton);
    QTest::keyClick(tilt, Qt::Key_Down);  // a vertical track bar: Down increases
    QTest::keyClick(signs, Qt::Key_Down);
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);  // clicks after a short animation
    QTRY_COMPARE(seen.join(u' '), "1049 1049 1005 1006 41 list 1005");
    QVERIFY(today->isChecked());
    QCOMPARE(signs->currentText(), "C");
  }

  // Typed day|month|year -> the fields read back and the prompt, and the field then focused
  // with its text selected.
  void ExchangesFieldsAndStopsAtTheFirstFailure_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("failing");
    const QString notAnInteger = "Please enter an integer.";
    // clang-format off
    QTest::newRow("the smallest values, blanks around") << " 1 | 1|1901" << "1 1 1901" << 0;
    QTest::newRow("the largest values") << "31|12|2099" << "31 12 2099" << 0;
    QTest::newRow("day above range: stored, then prompted") << "32|9|1975"
        << "32 1 2000 Please enter an integer between 1 and 31." << kDay;
    QTest::newRow("letters leave the field") << "abc|9|1975" << "1 1 2000 " + notAnInteger << kDay;
    QTest::newRow("beyond 32 bits") << "7|99999999999|1975" << "7 1 2000 " + notAnInteger << kMonth;
    // clang-format on
  }
  void ExchangesFieldsAndStopsAtTheFirstFailure() {
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, failing);
    TestDialog dialog;
    QString prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) { prompts += text; });
    for (int i : {0, 1, 2}) {
      dialog.ControlAs<QLineEdit>(QList{kDay, kMonth, kYear}[i])
          ->setText(typed.section(u'|', i, i));
    }
    dialog.Control(kSubmit)->setFocus();
    QCOMPARE(dialog.UpdateData(true), failing == 0);
    const QString read = QString("%1 %2 %3 ").arg(dialog.day).arg(dialog.month).arg(dialog.year);
    QCOMPARE((read + prompts).trimmed(), result);
    auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QCOMPARE(focus, dialog.ControlAs<QLineEdit>(failing));
    if (focus != nullptr) QCOMPARE(focus->selectedText(), focus->text());
  }

  // Each id is one timer with the period it was last started with, the shortest raised to
  // 10 ms; ticks arrive by id, and a handler may stop its own timer.
  void TimersRunById() {
    QList<int> ticks;
    TimerSet timers([&](int id) {
      ticks << id;
      if (id == 5) timers.Stop(5);
    });
    for (const auto& [id, period] : {std::pair{2, 25}, {3, 50}, {3, 40}, {5, 0}}) {
      timers.Start(id, period);
    }
    QSet<int> periods;
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&timers)) {
      periods << timer.interval;
    }
    QVERIFY(periods == (QSet<int>{10, 25, 40}));
    QTRY_VERIFY(ticks.contains(2) && ticks.contains(3) && ticks.contains(5));
    timers.Stop(2);
    QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&timers).size(), 1);  // 3
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DialogTest)
#include "dialog_test.moc"
