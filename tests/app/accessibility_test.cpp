// What assistive technology reads from the main dialog, through Qt's accessibility
// interfaces (the same ones the AT-SPI bridge serves to screen readers): names, roles and
// values of the controls, with the trace and the turning run by their real timers.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QTest>

#include <memory>

#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "fixed_today.h"
#include "scoped_prompt_answer.h"
#include "scratch_app.h"

namespace astrivo {
namespace {

struct Read {
  QAccessible::Role role;
  QString name;
  bool skipped;  // reported as not visible, so readers pass it by
};

Read ReadOf(QWidget* widget) {
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(widget);
  return {read->role(), read->text(QAccessible::Name), read->state().invisible != 0};
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    app_ = std::make_unique<ScratchApp>();
    prompts_ = std::make_unique<ScopedPromptAnswer>([](QWidget*, const QString&) {});
  }
  void cleanup() {
    prompts_.reset();
    app_.reset();
  }

  // Expected names and roles as the screen reader should say them, written out by hand.
  void ControlsAreNamedAndTyped_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("month field") << int(kIdBirthMonth) << int(QAccessible::EditableText)
                                 << "Birth Date: Month";
    QTest::newRow("day field") << int(kIdBirthDay) << int(QAccessible::EditableText)
                               << "Birth Date: Day";
    QTest::newRow("year field") << int(kIdBirthYear) << int(QAccessible::EditableText)
                                << "Birth Date: Year";
    QTest::newRow("heading slider")
        << int(kIdHeadingSlider) << int(QAccessible::Slider) << "Heading";
    QTest::newRow("tilt slider") << int(kIdTiltSlider) << int(QAccessible::Slider) << "Tilt";
    QTest::newRow("Today") << int(kIdToday) << int(QAccessible::RadioButton) << "Today";
    QTest::newRow("Tomorrow") << int(kIdTomorrow) << int(QAccessible::RadioButton) << "Tomorrow";
    QTest::newRow("This Week") << int(kIdThisWeek) << int(QAccessible::RadioButton) << "This Week";
    QTest::newRow("This Month") << int(kIdThisMonth) << int(QAccessible::RadioButton)
                                << "This Month";
    QTest::newRow("Luck bar") << int(kIdLuckBar) << -1 << "Luck";
    // 1 January 2000 is a Capricorn: the view turns to it after the first rating.
    QTest::newRow("sky view") << int(kIdSkyView) << int(QAccessible::Graphic)
                              << "Sky view facing Capricorn";
  }
  void ControlsAreNamedAndTyped() {
    QFETCH(int, id);
    QFETCH(int, role);
    QFETCH(QString, name);
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const Read read = ReadOf(dialog.Control(id));
    if (role >= 0) QCOMPARE(int(read.role), role);
    QCOMPARE(read.name, name);
    QVERIFY(!read.skipped);
  }

  // The trace date is read as one date from the month static; the day and year statics are
  // skipped. The week of 16 June 2004 ends on Sunday 20 June, where the trace stops.
  void TraceDateReadsAsOneDate() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(ReadOf(dialog.Control(kIdTraceMonth)).name, "Trace Date");
    QTRY_COMPARE_WITH_TIMEOUT(ReadOf(dialog.Control(kIdTraceMonth)).name,
                              "Trace Date: June 20, 2004", 20000);
    QVERIFY(ReadOf(dialog.Control(kIdTraceDay)).skipped);
    QVERIFY(ReadOf(dialog.Control(kIdTraceYear)).skipped);
    QVERIFY(!ReadOf(dialog.Control(kIdTraceMonth)).skipped);
  }

 private:
  std::unique_ptr<ScratchApp> app_;
  std::unique_ptr<ScopedPromptAnswer> prompts_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::AccessibilityTest)
#include "accessibility_test.moc"
