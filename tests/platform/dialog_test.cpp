// Drives a dialog built from a small layout table the way a user would: placement in dialog
// units, tab order, notifications, data exchange with its prompts, Enter, and timers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <map>

#include "platform/dialog.h"
#include "platform/prompt.h"

namespace astrivo {
namespace {

constexpr int kDay = 1047;
constexpr int kMonth = 1046;
constexpr int kYear = 1048;
constexpr int kSubmit = 1049;
constexpr int kToday = 1005;
constexpr int kWeek = 1006;
constexpr int kSigns = 1004;
constexpr int kTilt = 1027;
constexpr int kHeading = 1022;
constexpr int kTestPicture = 9001;  // 3 x 2 pixels, tests/platform/data

const DialogTemplate& TestLayout() {
  static const DialogTemplate layout{
      "Test Dialog", 300, 200, kResizable | kMinMaxBoxes,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kNoId, ControlKind::StaticText, "&Day", 0, kNoStyle, 5, 5, 30, 8},
          {kDay, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 40, 5, 25, 14},
          {kMonth, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 70, 5, 25, 14},
          {kYear, ControlKind::Edit, "", 0, kAlignRight | kBorder | kTabStop, 100, 5, 25, 14},
          {kToday, ControlKind::RadioButton, "&Today", 0, kNoStyle, 5, 30, 50, 10},
          {kWeek, ControlKind::RadioButton, "This &Week", 0, kNoStyle, 60, 30, 50, 10},
          {kSigns, ControlKind::DropDownList, "", 0, kUpperCase | kVScroll, 5, 45, 85, 140},
          {kSubmit, ControlKind::PushButton, "&Submit", 0, kTabStop, 5, 65, 60, 14},
          {kTilt, ControlKind::TrackBar, "", 0, kVertical | kNoTicks | kBorder | kTabStop,
           270, 5, 19, 150},
          {kHeading, ControlKind::TrackBar, "", 0, kNoTicks | kBorder, 100, 170, 150, 17},
          {kNoId, ControlKind::Picture, "", kTestPicture, kSunken | kBorder, 150, 30, 26, 24},
          {kNoId, ControlKind::GroupBox, "Input", 0, kNoStyle, 0, 0, 140, 90},
      }};
  return layout;
}

class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(TestLayout()) {}

  int day = 1;
  int month = 1;
  int year = 2000;
  std::map<int, int> ticks;

 protected:
  void DoDataExchange(DataExchange& exchange) override {
    exchange.IntInRange(kDay, day, 1, 31);
    exchange.IntInRange(kMonth, month, 1, 12);
    exchange.IntInRange(kYear, year, 1901, 2099);
  }
  void OnTimer(int id) override { ++ticks[id]; }
};

void ShowAndActivate(QWidget& window) {
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

enum class Action {
  ClickSubmit,
  SpaceOnSubmit,
  MnemonicOfToday,
  ProgramClicksNothingButChecksToday,
  ClickToday,
  KeyDownOnTilt,
  PageDownOnTilt,
  ProgramSetsTilt,
  KeyDownOnSigns,
  ProgramSelectsSign,
};

}  // namespace
}  // namespace astrivo

// Declared before the data table uses it as a column type.
Q_DECLARE_METATYPE(astrivo::Action)

namespace astrivo {

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  void BaseUnitsOnTheFixedFont() {
    const DialogUnits units;
    // The original's 8-point dialog font gives 6 x 13; Liberation Sans is its metric twin.
    QCOMPARE(units.BaseX(), 6);
    QCOMPARE(units.BaseY(), 13);
  }

  void ConvertsDialogUnitsToPixels_data() {
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // x * 6 / 4 and y * 13 / 8, rounded half away from zero.
    QTest::newRow("main dialog size") << QRect(0, 0, 642, 359) << QRect(0, 0, 963, 583);
    QTest::newRow("rating bar") << QRect(65, 200, 160, 15) << QRect(98, 325, 240, 24);
    QTest::newRow("money bar one unit lower") << QRect(65, 310, 160, 14)
                                              << QRect(98, 504, 240, 23);
    QTest::newRow("about box") << QRect(0, 0, 199, 231) << QRect(0, 0, 299, 375);
    QTest::newRow("negative offset") << QRect(-3, -3, 1, 1) << QRect(-5, -5, 2, 2);
  }
  void ConvertsDialogUnitsToPixels() {
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE(DialogUnits().ToPixels(units), pixels);
  }

  void PlacesControlsFromTheTable() {
    TestDialog dialog;
    const DialogUnits& units = dialog.Units();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Test Dialog"));
    QCOMPARE(dialog.size(), QSize(units.ToPixelsX(300), units.ToPixelsY(200)));
    QCOMPARE(dialog.Control(kYear)->geometry(), units.ToPixels(QRect(100, 5, 25, 14)));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kDay)->alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QCOMPARE(dialog.ControlAs<QSlider>(kTilt)->orientation(), Qt::Vertical);
    QCOMPARE(dialog.ControlAs<QRadioButton>(kToday)->text(), QStringLiteral("&Today"));
    QVERIFY(dialog.Control(4242) == nullptr);
    QVERIFY(dialog.ControlAs<QSlider>(kDay) == nullptr);

    // The picture takes its natural 3 x 2 pixels plus a 2-pixel sunken border each side.
    QLabel* picture = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) picture = label;
    }
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->geometry(), QRect(units.ToPixelsX(150), units.ToPixelsY(30), 7, 6));
  }

  void TabFollowsTemplateOrderAndSkipsControlsWithoutTabStop() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    dialog.Control(kDay)->setFocus();
    const QList<int> expected = {kMonth, kYear, kSubmit, kTilt, kDay};
    for (int id : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), dialog.Control(id));
    }
  }

  void LabelMnemonicFocusesTheNextControl() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    dialog.Control(kSubmit)->setFocus();
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), dialog.Control(kDay));
  }

  void RadioButtonsAreEachTheirOwnGroup() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    auto* today = dialog.ControlAs<QRadioButton>(kToday);
    auto* week = dialog.ControlAs<QRadioButton>(kWeek);
    QTest::mouseClick(today, Qt::LeftButton);
    QVERIFY(today->isChecked());
    QTest::mouseClick(today, Qt::LeftButton);
    QVERIFY2(today->isChecked(), "a second click must not clear the button");
    QTest::mouseClick(week, Qt::LeftButton);
    QVERIFY2(today->isChecked(), "a neighbour's click must not clear the button");
    QVERIFY(week->isChecked());
  }

  void VerticalTrackBarHasItsMinimumAtTheTop() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    auto* tilt = dialog.ControlAs<QSlider>(kTilt);
    tilt->setRange(0, 90);
    tilt->setValue(30);
    QVERIFY(tilt->invertedAppearance());
    tilt->setFocus();
    QTest::keyClick(tilt, Qt::Key_Down);
    QCOMPARE(tilt->value(), 31);
    QTest::keyClick(tilt, Qt::Key_PageDown);
    QCOMPARE(tilt->value(), 49);  // a page is a fifth of the range
    QTest::keyClick(tilt, Qt::Key_Up);
    QCOMPARE(tilt->value(), 48);
  }

  void ListShowsEntriesInUpperCase() {
    TestDialog dialog;
    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({QStringLiteral("Aquarius "), QStringLiteral("pisces ")});
    QCOMPARE(signs->itemText(0), QStringLiteral("AQUARIUS "));
    QCOMPARE(signs->itemText(1), QStringLiteral("PISCES "));
  }

  void NotifiesOnlyForWhatTheUserDoes_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("selections");
    QTest::addColumn<QList<int>>("scrollPositions");
    QTest::newRow("mouse click on Submit") << Action::ClickSubmit << 1 << 0 << QList<int>{};
    QTest::newRow("space on Submit") << Action::SpaceOnSubmit << 1 << 0 << QList<int>{};
    QTest::newRow("mnemonic Alt+T") << Action::MnemonicOfToday << 1 << 0 << QList<int>{};
    QTest::newRow("program checks Today")
        << Action::ProgramClicksNothingButChecksToday << 0 << 0 << QList<int>{};
    QTest::newRow("mouse click on Today") << Action::ClickToday << 1 << 0 << QList<int>{};
    QTest::newRow("Down on tilt") << Action::KeyDownOnTilt << 0 << 0 << QList<int>{31};
    QTest::newRow("Page Down on tilt") << Action::PageDownOnTilt << 0 << 0 << QList<int>{48};
    QTest::newRow("program sets tilt") << Action::ProgramSetsTilt << 0 << 0 << QList<int>{};
    QTest::newRow("Down on sign list") << Action::KeyDownOnSigns << 0 << 1 << QList<int>{};
    QTest::newRow("program selects sign") << Action::ProgramSelectsSign << 0 << 0
                                          << QList<int>{};
  }
  void NotifiesOnlyForWhatTheUserDoes() {
    QFETCH(Action, action);
    QFETCH(int, clicks);
    QFETCH(int, selections);
    QFETCH(QList<int>, scrollPositions);
    TestDialog dialog;
    ShowAndActivate(dialog);
    int clicked = 0;
    int selected = 0;
    QList<int> scrolled;
    for (int id : {kSubmit, kToday}) dialog.SetClickHandler(id, [&] { ++clicked; });
    dialog.SetSelectionHandler(kSigns, [&] { ++selected; });
    dialog.SetScrollHandler(kTilt, [&](int position) { scrolled.append(position); });
    auto* tilt = dialog.ControlAs<QSlider>(kTilt);
    tilt->setRange(0, 90);
    tilt->setValue(30);
    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({QStringLiteral("AQUARIUS "), QStringLiteral("PISCES ")});
    signs->setCurrentIndex(0);

    switch (action) {
      case Action::ClickSubmit:
        QTest::mouseClick(dialog.Control(kSubmit), Qt::LeftButton);
        break;
      case Action::SpaceOnSubmit:
        dialog.Control(kSubmit)->setFocus();
        QTest::keyClick(dialog.Control(kSubmit), Qt::Key_Space);
        break;
      case Action::MnemonicOfToday:
        QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
        QTest::qWait(200);  // a mnemonic clicks with a short animation
        break;
      case Action::ProgramClicksNothingButChecksToday:
        dialog.ControlAs<QRadioButton>(kToday)->setChecked(true);
        break;
      case Action::ClickToday:
        QTest::mouseClick(dialog.Control(kToday), Qt::LeftButton);
        break;
      case Action::KeyDownOnTilt:
        tilt->setFocus();
        QTest::keyClick(tilt, Qt::Key_Down);
        break;
      case Action::PageDownOnTilt:
        tilt->setFocus();
        QTest::keyClick(tilt, Qt::Key_PageDown);
        break;
      case Action::ProgramSetsTilt:
        tilt->setValue(60);
        break;
      case Action::KeyDownOnSigns:
        signs->setFocus();
        QTest::keyClick(signs, Qt::Key_Down);
        QCOMPARE(signs->currentIndex(), 1);
        break;
      case Action::ProgramSelectsSign:
        signs->setCurrentIndex(1);
        break;
    }
    QCOMPARE(clicked, clicks);
    QCOMPARE(selected, selections);
    QCOMPARE(scrolled, scrollPositions);
  }

  void ReadsFieldsBackInOrderAndStopsAtTheFirstFailure_data() {
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QList<int>>("fieldsAfter");  // day, month, year
    QTest::addColumn<QString>("prompt");          // empty when none
    QTest::addColumn<int>("failingControl");

    const QString notAnInteger = QStringLiteral("Please enter an integer.");
    QTest::newRow("all valid") << "7" << "9" << "1975" << QList<int>{7, 9, 1975} << QString()
                               << 0;
    QTest::newRow("blanks around numbers") << " 7 " << "9" << "1975"
                                           << QList<int>{7, 9, 1975} << QString() << 0;
    QTest::newRow("day above range is stored, then prompted")
        << "32" << "9" << "1975" << QList<int>{32, 1, 2000}
        << "Please enter an integer between 1 and 31." << kDay;
    QTest::newRow("month below range") << "7" << "-3" << "1975" << QList<int>{7, -3, 2000}
                                       << "Please enter an integer between 1 and 12." << kMonth;
    QTest::newRow("year 1900") << "7" << "9" << "1900" << QList<int>{7, 9, 1900}
                               << "Please enter an integer between 1901 and 2099." << kYear;
    QTest::newRow("letters leave the field") << "abc" << "9" << "1975"
                                             << QList<int>{1, 1, 2000} << notAnInteger << kDay;
    QTest::newRow("beyond 32 bits") << "7" << "99999999999" << "1975"
                                    << QList<int>{7, 1, 2000} << notAnInteger << kMonth;
    QTest::newRow("empty year") << "7" << "9" << "" << QList<int>{7, 9, 2000} << notAnInteger
                                << kYear;
    QTest::newRow("number with trailing text") << "7x" << "9" << "1975"
                                               << QList<int>{1, 1, 2000} << notAnInteger << kDay;
    QTest::newRow("first failure wins") << "0" << "13" << "abc" << QList<int>{0, 1, 2000}
                                        << "Please enter an integer between 1 and 31." << kDay;
  }
  void ReadsFieldsBackInOrderAndStopsAtTheFirstFailure() {
    QFETCH(QString, dayText);
    QFETCH(QString, monthText);
    QFETCH(QString, yearText);
    QFETCH(QList<int>, fieldsAfter);
    QFETCH(QString, prompt);
    QFETCH(int, failingControl);
    TestDialog dialog;
    ShowAndActivate(dialog);
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) { prompts.append(text); });
    dialog.ControlAs<QLineEdit>(kDay)->setText(dayText);
    dialog.ControlAs<QLineEdit>(kMonth)->setText(monthText);
    dialog.ControlAs<QLineEdit>(kYear)->setText(yearText);
    dialog.Control(kSubmit)->setFocus();

    const bool passed = dialog.UpdateData(true);

    QCOMPARE(passed, prompt.isEmpty());
    QCOMPARE((QList<int>{dialog.day, dialog.month, dialog.year}), fieldsAfter);
    QCOMPARE(prompts, prompt.isEmpty() ? QStringList() : QStringList{prompt});
    if (failingControl != 0) {
      auto* failing = dialog.ControlAs<QLineEdit>(failingControl);
      QCOMPARE(QApplication::focusWidget(), failing);
      QCOMPARE(failing->selectedText(), failing->text());
    }
  }

  void WritesFieldsIntoControls() {
    TestDialog dialog;
    dialog.day = 7;
    dialog.month = 9;
    dialog.year = -1975;
    QVERIFY(dialog.UpdateData(false));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kDay)->text(), QStringLiteral("7"));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kMonth)->text(), QStringLiteral("9"));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kYear)->text(), QStringLiteral("-1975"));
  }

  void NeverOpensAPromptWhileOneIsOpen() {
    TestDialog dialog;
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) {
      prompts.append(text);
      // What a timer or a slider would do while the box waits for the user.
      dialog.UpdateData(true);
    });
    dialog.ControlAs<QLineEdit>(kDay)->setText(QStringLiteral("abc"));
    QVERIFY(!dialog.UpdateData(true));
    QCOMPARE(prompts.size(), 1);
    Prompt(&dialog, QStringLiteral("after"));
    QCOMPARE(prompts.size(), 2);  // the guard was released; the read nested in it was not shown
  }

  void EnterRunsTheOkActionOnlyWhenTheFieldsPass_data() {
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("prompts");
    QTest::newRow("valid") << "7" << true << 0;
    QTest::newRow("invalid") << "40" << false << 1;
  }
  void EnterRunsTheOkActionOnlyWhenTheFieldsPass() {
    QFETCH(QString, dayText);
    QFETCH(bool, accepted);
    QFETCH(int, prompts);
    TestDialog dialog;
    ShowAndActivate(dialog);
    int prompted = 0;
    ScopedPromptAnswer answer([&](QWidget*, const QString&) { ++prompted; });
    QVERIFY(dialog.UpdateData(false));
    auto* day = dialog.ControlAs<QLineEdit>(kDay);
    day->setFocus();
    day->setText(dayText);
    int submitted = 0;
    dialog.SetClickHandler(kSubmit, [&] { ++submitted; });
    QTest::keyClick(day, Qt::Key_Return);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(prompted, prompts);
    QCOMPARE(submitted, 0);  // Submit is not the default button, even after being shown
  }

  void StartingATimerTwiceRestartsIt() {
    TestDialog dialog;
    constexpr int kPeriod = 40;  // milliseconds
    dialog.SetTimer(3, kPeriod);
    dialog.SetTimer(3, kPeriod);
    QVERIFY(dialog.IsTimerRunning(3));
    QTest::qWait(kPeriod * 5 + kPeriod / 2);
    // One timer gives about 5 ticks; two running side by side would give about 10.
    QVERIFY2(dialog.ticks[3] >= 2 && dialog.ticks[3] <= 6,
             qPrintable(QStringLiteral("%1 ticks").arg(dialog.ticks[3])));
  }

  void RestartingPostponesTheNextTick() {
    TestDialog dialog;
    dialog.SetTimer(2, 200);
    QTest::qWait(120);
    dialog.SetTimer(2, 200);
    QTest::qWait(120);
    QCOMPARE(dialog.ticks[2], 0);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.ticks[2], 1, 1000);
  }

  void StoppingATimerStopsItsTicksOnly() {
    TestDialog dialog;
    dialog.SetTimer(2, 20);
    dialog.SetTimer(3, 20);
    dialog.KillTimer(2);
    dialog.KillTimer(2);  // stopping twice is harmless
    QVERIFY(!dialog.IsTimerRunning(2));
    QTRY_VERIFY(dialog.ticks[3] >= 2);
    QCOMPARE(dialog.ticks[2], 0);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DialogTest)
#include "dialog_test.moc"
