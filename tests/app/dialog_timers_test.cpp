// The main dialog left to its own timers, watched as the user watches it: every tick of each
// timer is seen where the event loop delivers it, with the period the timer was started with,
// and what the window shows before and after it.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimerEvent>

#include <memory>
#include <vector>

#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "fixed_today.h"
#include "platform/settings_store.h"
#include "scoped_prompt_answer.h"

namespace astrivo {
namespace {

struct Shown {
  QString trace;  // month/day/year as the three labels show it
  int heading;    // the heading slider
};

Shown Look(const HoroscopeDialog& dialog) {
  return {dialog.ControlAs<QLabel>(kIdTraceMonth)->text() + "/" +
              dialog.ControlAs<QLabel>(kIdTraceDay)->text() + "/" +
              dialog.ControlAs<QLabel>(kIdTraceYear)->text(),
          dialog.ControlAs<QSlider>(kIdHeadingSlider)->value()};
}

// Sees every timer event on its way to the dialog's timer layer, before it is handled.
class TickWatch : public QObject {
 public:
  struct Tick {
    int period;  // milliseconds, as the timer was started
    Shown before;
  };
  const HoroscopeDialog* dialog = nullptr;
  std::vector<Tick> ticks;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (dialog == nullptr || event->type() != QEvent::Timer ||
        !watched->inherits("astrivo::TimerSet")) {
      return false;
    }
    const int qtId = static_cast<QTimerEvent*>(event)->timerId();
    int period = 0;
    for (const auto& info : QAbstractEventDispatcher::instance()->registeredTimers(watched)) {
      if (info.timerId == qtId) period = info.interval;
    }
    ticks.push_back({period, Look(*dialog)});
    return false;
  }
};

QString DayAfter(const QString& shown) {
  const QStringList mdy = shown.split('/');
  const QDate next = QDate(mdy[2].toInt(), mdy[0].toInt(), mdy[1].toInt()).addDays(1);
  return QStringLiteral("%1/%2/%3").arg(next.month()).arg(next.day()).arg(next.year());
}

class DialogTimersTest : public QObject {
  Q_OBJECT

 private slots:
  // Born 21 March 1990 (Aries), on Wednesday 16 June 2004: This Week is 14 to 20 June.
  // Expected values from tools/reference/sky_reference.py, written from the rules alone:
  // rate_period((21, 3, 1990), (14, 6, 2004), (20, 6, 2004)) = (78, 82, 80), and Aries'
  // centre lies at longitude 30.588, so the view turns to heading 30 (slider -30).
  void TimersReplayTheTraceAndTurnTheViewWhileTheBarsSettle() {
    const FixedToday today({16, 6, 2004});
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("astrivo.ini"));
    HoroscopeApp app(settings, kTestClock, TestPrompts());
    app.birthDay = 21;
    app.birthMonth = 3;
    app.birthYear = 1990;
    TickWatch watch;
    qApp->installEventFilter(&watch);
    HoroscopeDialog dialog(app);
    watch.dialog = &dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(Look(dialog).trace, QString("MM/DD/YY"));

    QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer) &&
                                 !dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer),
                             60000);
    qApp->removeEventFilter(&watch);
    watch.ticks.push_back({0, Look(dialog)});

    // Each tick's effect is what the next tick (or the end) finds.
    int traceDays = 0;
    int turnSteps = 0;
    for (std::size_t i = 0; i + 1 < watch.ticks.size(); ++i) {
      const Shown& before = watch.ticks[i].before;
      const Shown& after = watch.ticks[i + 1].before;
      const QByteArray where = QByteArray::number(static_cast<int>(i));
      if (after.trace != before.trace) {
        QCOMPARE(watch.ticks[i].period, 50);
        QVERIFY2(before.trace == "MM/DD/YY" || after.trace == DayAfter(before.trace), where);
        QCOMPARE(after.heading, before.heading);
        ++traceDays;
      }
      if (after.heading != before.heading) {
        QCOMPARE(watch.ticks[i].period, 25);
        QVERIFY2(after.heading == before.heading - 2, where);
        QCOMPARE(after.trace, before.trace);
        ++turnSteps;
      }
    }
    QCOMPARE(traceDays, 121);  // 21 February to 20 June 2004, four months back from the end
    QCOMPARE(turnSteps, 15);   // 0 to 30 degrees, 2 a tick
    const Shown end = Look(dialog);
    QCOMPARE(end.trace, QString("6/20/2004"));
    QCOMPARE(end.heading, -30);
    const QList<int> bars{dialog.LuckBar()->CurrentLevel(), dialog.LoveBar()->CurrentLevel(),
                          dialog.MoneyBar()->CurrentLevel()};
    QCOMPARE(bars, (QList<int>{200 + 78, 200 + 82, 200 + 80}));  // at rest at the ratings
    for (int id : {kIdBirthMonth, kIdBirthDay, kIdBirthYear, kIdSubmit}) {
      QVERIFY(dialog.Control(id)->isEnabled());
    }
    dialog.close();
  }
};

}  // namespace
}  // namespace astrivo

QTEST_MAIN(astrivo::DialogTimersTest)
#include "dialog_timers_test.moc"
