// Drives a dialog built from a small layout table the way a user would: placement in dialog
// units, tab order, button notifications, data exchange with its prompts, and timers.
// Sliders, lists and Enter are driven through the main dialog in horoscope_dialog_test.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "platform/dialog.h"
#include "scoped_prompt_answer.h"

namespace astrivo {
namespace {

constexpr int kDay = 1047;
constexpr int kMonth = 1046;
constexpr int kYear = 1048;
constexpr int kSubmit = 1049;
constexpr int kToday = 1005;
constexpr int kWeek = 1006;
constexpr int kSigns = 1004;
constexpr int kTestPicture = 9001;  // 3 x 2 pixels, tests/platform/data

const DialogTemplate& TestLayout() {
  static const DialogTemplate layout{
      "Test Dialog",
      300,
      200,
      kResizable | kMinMaxBoxes,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kNoId, ControlKind::kStaticText, "&Day", 0, kNoStyle, 5, 5, 30, 8},
          {kDay, ControlKind::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 40, 5, 25, 14},
          {kMonth, ControlKind::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 70, 5, 25, 14},
          {kYear, ControlKind::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 100, 5, 25, 14},
          {kToday, ControlKind::kRadioButton, "&Today", 0, kNoStyle, 5, 30, 50, 10},
          {kWeek, ControlKind::kRadioButton, "This &Week", 0, kNoStyle, 60, 30, 50, 10},
          {kSigns, ControlKind::kDropDownList, "", 0, kUpperCase, 5, 45, 85, 140},
          {kSubmit, ControlKind::kPushButton, "&Submit", 0, kTabStop, 5, 65, 60, 14},
          {kNoId, ControlKind::kPicture, "", kTestPicture, kSunken | kBorder, 150, 30, 26, 24},
      }};
  return layout;
}

class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(TestLayout(), {}, nullptr, TestPrompts()) {}

  int day = 1;
  int month = 1;
  int year = 2000;

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
  void ConvertsDialogUnitsOnTheFixedFont_data() {
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // Base units 6 x 13, as the original's 8-point font: x * 6 / 4 and y * 13 / 8, rounded
    // half away from zero.
    QTest::newRow("main dialog size") << QRect(0, 0, 642, 359) << QRect(0, 0, 963, 583);
    QTest::newRow("rating bar, x half way") << QRect(65, 200, 160, 15) << QRect(98, 325, 240, 24);
    QTest::newRow("negative offset") << QRect(-3, -3, 1, 1) << QRect(-5, -5, 2, 2);
  }
  void ConvertsDialogUnitsOnTheFixedFont() {
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    const DialogUnits dialogUnits;
    QCOMPARE(dialogUnits.BaseX(), 6);
    QCOMPARE(dialogUnits.BaseY(), 13);
    QCOMPARE(dialogUnits.ToPixels(units), pixels);
  }

  void PlacesControlsFromTheTable() {
    TestDialog dialog;
    const DialogUnits& units = dialog.Units();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Test Dialog"));
    QCOMPARE(dialog.size(), QSize(units.ToPixelsX(300), units.ToPixelsY(200)));
    QCOMPARE(dialog.Control(kYear)->geometry(), units.ToPixels(QRect(100, 5, 25, 14)));
    QCOMPARE(dialog.ControlAs<QLineEdit>(kDay)->alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);

    auto* signs = dialog.ControlAs<QComboBox>(kSigns);
    signs->addItems({QStringLiteral("Aquarius "), QStringLiteral("pisces ")});
    QCOMPARE(signs->itemText(1), QStringLiteral("PISCES "));

    // The picture takes its natural 3 x 2 pixels plus a 2-pixel sunken border each side.
    QLabel* picture = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) picture = label;
    }
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->geometry(), QRect(units.ToPixelsX(150), units.ToPixelsY(30), 7, 6));
  }

  void TabFollowsTemplateOrderAndMnemonicsFocus() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    dialog.Control(kDay)->setFocus();
    for (int id : {kMonth, kYear, kSubmit, kDay}) {  // radio buttons and list lack tab stops
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), dialog.Control(id));
    }
    dialog.Control(kSubmit)->setFocus();
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);  // a label's mnemonic
    QCOMPARE(QApplication::focusWidget(), dialog.Control(kDay));
  }

  void ButtonsNotifyOnlyForTheUserAndRadioButtonsStayChecked() {
    TestDialog dialog;
    ShowAndActivate(dialog);
    QStringList clicks;
    dialog.SetClickHandler(kSubmit, [&] { clicks << "Submit"; });
    dialog.SetClickHandler(kToday, [&] { clicks << "Today"; });
    dialog.SetClickHandler(kWeek, [&] { clicks << "Week"; });
    auto* today = dialog.ControlAs<QRadioButton>(kToday);
    auto* week = dialog.ControlAs<QRadioButton>(kWeek);
    today->setChecked(true);  // the program's own check mark notifies nobody
    QWidget* submit = dialog.Control(kSubmit);
    QTest::mouseClick(submit, Qt::LeftButton);
    submit->setFocus();
    QTest::keyClick(submit, Qt::Key_Space);
    QTest::mouseClick(today, Qt::LeftButton);
    QVERIFY2(today->isChecked(), "a click on a checked button must not clear it");
    QTest::mouseClick(week, Qt::LeftButton);
    QVERIFY2(today->isChecked(), "each radio button is its own group");
    QVERIFY(week->isChecked());
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);  // clicks after a short animation
    QTRY_COMPARE(clicks, (QStringList{"Submit", "Submit", "Today", "Week", "Today"}));
  }

  void ReadsFieldsBackInOrderAndStopsAtTheFirstFailure_data() {
    QTest::addColumn<QStringList>("typed");       // day, month, year
    QTest::addColumn<QList<int>>("fieldsAfter");  // day, month, year
    QTest::addColumn<QString>("prompt");          // empty when none
    QTest::addColumn<int>("failingControl");

    const QString notAnInteger = QStringLiteral("Please enter an integer.");
    QTest::newRow("valid, blanks around numbers")
        << QStringList{" 7 ", "9", "1975"} << QList<int>{7, 9, 1975} << QString() << 0;
    QTest::newRow("the largest values")
        << QStringList{"31", "12", "2099"} << QList<int>{31, 12, 2099} << QString() << 0;
    QTest::newRow("day above range is stored, then prompted")
        << QStringList{"32", "9", "1975"} << QList<int>{32, 1, 2000}
        << "Please enter an integer between 1 and 31." << kDay;
    QTest::newRow("negative month") << QStringList{"7", "-3", "1975"} << QList<int>{7, -3, 2000}
                                    << "Please enter an integer between 1 and 12." << kMonth;
    QTest::newRow("letters leave the field")
        << QStringList{"abc", "9", "1975"} << QList<int>{1, 1, 2000} << notAnInteger << kDay;
    QTest::newRow("beyond 32 bits") << QStringList{"7", "99999999999", "1975"}
                                    << QList<int>{7, 1, 2000} << notAnInteger << kMonth;
    QTest::newRow("trailing text")
        << QStringList{"7", "9", "1975x"} << QList<int>{7, 9, 2000} << notAnInteger << kYear;
  }
  void ReadsFieldsBackInOrderAndStopsAtTheFirstFailure() {
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, fieldsAfter);
    QFETCH(QString, prompt);
    QFETCH(int, failingControl);
    TestDialog dialog;
    ShowAndActivate(dialog);
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) { prompts.append(text); });
    const QList<int> fields{kDay, kMonth, kYear};
    for (int i = 0; i < 3; ++i) dialog.ControlAs<QLineEdit>(fields[i])->setText(typed[i]);
    dialog.Control(kSubmit)->setFocus();

    QCOMPARE(dialog.UpdateData(true), prompt.isEmpty());
    QCOMPARE((QList<int>{dialog.day, dialog.month, dialog.year}), fieldsAfter);
    QCOMPARE(prompts, prompt.isEmpty() ? QStringList() : QStringList{prompt});
    if (failingControl != 0) {
      auto* failing = dialog.ControlAs<QLineEdit>(failingControl);
      QCOMPARE(QApplication::focusWidget(), failing);
      QCOMPARE(failing->selectedText(), failing->text());
    }
  }

  void NeverOpensAPromptWhileOneIsOpen() {
    TestDialog dialog;
    QStringList prompts;
    ScopedPromptAnswer answer([&](QWidget*, const QString& text) {
      prompts.append(text);
      dialog.UpdateData(true);  // what a timer or a slider would do while the box waits
    });
    dialog.ControlAs<QLineEdit>(kDay)->setText(QStringLiteral("abc"));
    QVERIFY(!dialog.UpdateData(true));
    QCOMPARE(prompts.size(), 1);
    TestPrompts().Prompt(&dialog, QStringLiteral("after"));
    QCOMPARE(prompts.size(), 2);  // the guard was released; the read nested in it was not shown
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DialogTest)
#include "dialog_test.moc"
