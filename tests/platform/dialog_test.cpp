// A dialog built from a small layout table, driven the way a user drives it: placement in
// dialog units, notifications only for the user's own actions, data exchange with its
// prompts, and timers by id.
#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <algorithm>

#include "platform/dialog.h"
#include "platform/prompt.h"
#include "platform/timer_set.h"

namespace astrivo {
namespace {

constexpr int kDay = 1047, kMonth = 1046, kYear = 1048, kSubmit = 1049;
constexpr int kToday = 1005, kWeek = 1006, kSigns = 1004, kTilt = 1027;
constexpr int kTestPicture = 9001;  // 3 x 2 pixels, tests/platform/data

const DialogTemplate& TestLayout() {
  static const DialogTemplate layout{
      "Test Dialog",
      300,
      200,
      kResizable,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kNoId, ControlKind::StaticText, "&Day", 0, kNoStyle, 5, 5, 30, 8},
          {kDay, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 40, 5, 25, 14},
          {kMonth, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 70, 5, 25, 14},
          {kYear, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 65, 27, 25, 15},
          {kToday, ControlKind::RadioButton, "&Today", 0, kNoStyle, 5, 30, 50, 10},
          {kWeek, ControlKind::RadioButton, "This &Week", 0, kNoStyle, 60, 30, 50, 10},
          {kSigns, ControlKind::DropDownList, "", 0, kUpperCase | kVScroll, 5, 45, 85, 140},
          {kSubmit, ControlKind::PushButton, "&Submit", 0, kTabStop, 5, 65, 60, 14},
          {kTilt, ControlKind::TrackBar, "", 0, kVertical | kTabStop, 100, 65, 20, 100},
          {kNoId, ControlKind::Picture, "", kTestPicture, kSunken | kBorder, 150, 30, 26, 24},
      }};
  return layout;
}

class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(TestLayout()) {}
  int day = 1, month = 1, year = 2000;

 protected:
  void DoDataExchange(DataExchange& exchange) override {
    exchange.IntInRange(kDay, day, 1, 31);
    exchange.IntInRange(kMonth, month, 1, 12);
    exchange.IntInRange(kYear, year, 1901, 2099);
  }
};

void ShowAndActivate(QWidget& window) {
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Base units 6 x 13, the original's 8-point font: x * 6 / 4 and y * 13 / 8, each rounded
  // half away from zero. 300 x 200 units are 450 x 325 px; the year field at (65, 27, 25, 15)
  // is at (97.5, 43.875, 37.5, 24.375) px; the picture at (150, 30) takes its natural 3 x 2 px
  // plus a 2 px sunken border each side.
  void PlacesControlsFromTheTable() {
    TestDialog dialog;
    QCOMPARE(dialog.windowTitle(), "Test Dialog");
    QCOMPARE(dialog.size(), QSize(450, 325));
    QCOMPARE(dialog.Control(kYear)->geometry(), QRect(98, 44, 38, 24));
    QLabel* picture = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) picture = label;
    }
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->geometry(), QRect(225, 49, 7, 6));
    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({"Aquarius ", "pisces "});
    QCOMPARE(signs->itemText(1), "PISCES ");
  }

  // Handlers run for clicks, keys and mnemonics, never for what the program sets. Each radio
  // button is its own group and a click never clears it.
  void NotifiesOnlyTheUsersActions() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    QStringList seen;
    for (int id : {kSubmit, kToday, kWeek}) {
      dialog.SetClickHandler(id, [&seen, id] { seen << QString::number(id); });
    }
    dialog.SetSelectionHandler(kSigns, [&seen] { seen << "signs"; });
    dialog.SetScrollHandler(kTilt, [&seen](int position) { seen << QString::number(position); });
    auto* today = dialog.ControlAs<QRadioButton>(kToday);
    auto* tilt = dialog.ControlAs<QSlider>(kTilt);
    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({"A", "B", "C"});
    tilt->setRange(0, 90);
    today->setChecked(true);
    tilt->setValue(40);
    signs->setCurrentIndex(1);
    QVERIFY(seen.isEmpty());
    QTest::mouseClick(dialog.Control(kSubmit), Qt::LeftButton);
    QTest::keyClick(dialog.Control(kSubmit), Qt::Key_Space);
    QTest::mouseClick(today, Qt::LeftButton);
    QTest::mouseClick(dialog.Control(kWeek), Qt::LeftButton);
    QVERIFY(today->isChecked());
    QTest::keyClick(tilt, Qt::Key_Down);  // a vertical track bar: Down increases
    QTest::keyClick(signs, Qt::Key_Down);
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);  // clicks after a short animation
    QTRY_COMPARE(seen.join(u' '), "1049 1049 1005 1006 41 signs 1005");
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);  // a label's mnemonic
    QCOMPARE(QApplication::focusWidget(), dialog.Control(kDay));
  }

  void ExchangesFieldsAndStopsAtTheFirstFailure_data() {
    QTest::addColumn<QStringList>("typed");       // day, month, year
    QTest::addColumn<QList<int>>("fieldsAfter");  // day, month, year
    QTest::addColumn<QString>("prompt");          // empty when none
    QTest::addColumn<int>("failing");             // the control then focused and selected
    const QString notAnInteger = "Please enter an integer.";
    QTest::newRow("blanks around numbers")
        << QStringList{" 7 ", "9", "1975"} << QList<int>{7, 9, 1975} << QString() << 0;
    QTest::newRow("the largest values")
        << QStringList{"31", "12", "2099"} << QList<int>{31, 12, 2099} << QString() << 0;
    QTest::newRow("day above range is stored, then prompted")
        << QStringList{"32", "9", "1975"} << QList<int>{32, 1, 2000}
        << "Please enter an integer between 1 and 31." << kDay;
    QTest::newRow("year below range") << QStringList{"7", "9", "1900"} << QList<int>{7, 9, 1900}
                                      << "Please enter an integer between 1901 and 2099." << kYear;
    QTest::newRow("letters leave the field")
        << QStringList{"abc", "9", "1975"} << QList<int>{1, 1, 2000} << notAnInteger << kDay;
    QTest::newRow("beyond 32 bits") << QStringList{"7", "99999999999", "1975"}
                                    << QList<int>{7, 1, 2000} << notAnInteger << kMonth;
  }
  void ExchangesFieldsAndStopsAtTheFirstFailure() {
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, fieldsAfter);
    QFETCH(QString, prompt);
    QFETCH(int, failing);
    TestDialog dialog;
    ShowAndActivate(dialog);
    dialog.day = 4;  // the fields are filled from these first
    QVERIFY(dialog.UpdateData(false));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kDay)->text(), "4");
    dialog.day = 1;
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) { prompts << text; });
    const int fields[] = {kDay, kMonth, kYear};
    for (int i = 0; i < 3; ++i) dialog.ControlAs<QLineEdit>(fields[i])->setText(typed[i]);
    dialog.Control(kSubmit)->setFocus();
    QCOMPARE(dialog.UpdateData(true), prompt.isEmpty());
    QCOMPARE((QList<int>{dialog.day, dialog.month, dialog.year}), fieldsAfter);
    QCOMPARE(prompts, prompt.isEmpty() ? QStringList() : QStringList{prompt});
    if (failing != 0) {
      auto* field = dialog.ControlAs<QLineEdit>(failing);
      QCOMPARE(QApplication::focusWidget(), field);
      QCOMPARE(field->selectedText(), field->text());
    }
  }

  // Each id is one timer with the period it was last started with, the shortest raised to
  // 10 ms; ticks arrive by id, and a handler may stop its own timer.
  void TimersRunById() {
    QList<int> ticks;
    TimerSet timers([&](int id) {
      ticks << id;
      if (id == 5) timers.Stop(5);
    });
    timers.Start(2, 25);
    timers.Start(3, 50);
    timers.Start(3, 40);
    timers.Start(5, 0);
    QList<int> periods;
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&timers)) {
      periods << timer.interval;
    }
    std::sort(periods.begin(), periods.end());
    QCOMPARE(periods, (QList<int>{10, 25, 40}));
    QTRY_VERIFY(ticks.contains(2) && ticks.contains(3) && ticks.contains(5));
    QCOMPARE(ticks.count(5), 1);
    QVERIFY(!timers.IsRunning(5) && timers.IsRunning(2));
    timers.Stop(2);
    QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&timers).size(), 1);
  }

  void NeverOpensAPromptWhileOneIsOpen() {
    TestDialog dialog;
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) {
      prompts << text;
      dialog.UpdateData(true);  // what a timer or a slider would do while the box waits
    });
    dialog.ControlAs<QLineEdit>(kDay)->setText("abc");
    QVERIFY(!dialog.UpdateData(true));
    Prompt(&dialog, "after");
    QCOMPARE(prompts, (QStringList{"Please enter an integer.", "after"}));
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DialogTest)
#include "dialog_test.moc"
