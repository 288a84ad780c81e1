// The date banner across midnight in the whole main window, on the system's clock. ctest runs
// this under libfaketime from 23:59:50 on Saturday 14 March 2026 (a weekday checked in Python's
// datetime), with the monotonic clock real so that the window's timers run; nothing but the
// new day makes the banner repaint.
#include <QAccessible>
#include <QDateTime>
#include <QImage>
#include <QTest>

#include <memory>

#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "scratch_app.h"

namespace astrivo {
namespace {

const QDate kEve(2026, 3, 14);

// Counts the banner's paints.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class MidnightTest : public QObject {
  Q_OBJECT

 private slots:
  void BannerTurnsToTheNewDayAtMidnight() {
    // A clock that is not the fake one fails: a skip would pass with nothing checked.
    if (QDate::currentDate() != kEve) QFAIL("needs libfaketime from 23:59:50 on 14 March 2026");
    ScratchApp app;
    HoroscopeDialog dialog(app);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* banner = dialog.Control(kIdDateBanner);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(banner);
    // The replay and the turn after start-up end long before midnight; then all is at rest.
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer) &&
                                 !dialog.IsTimerRunning(HoroscopeDialog::kTurnTimer),
                             8000);
    QCOMPARE(QDate::currentDate(), kEve);  // else the start-up took too long to tell
    QCOMPARE(read->text(QAccessible::Name), "Todays date: Saturday March 14, 2026");
    const QRect bannerArea(banner->mapTo(&dialog, QPoint(0, 0)), banner->size());
    const QImage before = dialog.grab().toImage().copy(bannerArea);
    const auto watch = std::make_unique<PaintCount>(banner);

    QTRY_COMPARE_WITH_TIMEOUT(watch->paints, 1, 15000);
    const QDateTime repainted = QDateTime::currentDateTime();
    QCOMPARE(read->text(QAccessible::Name), "Todays date: Sunday March 15, 2026");
    // At once: within a second of midnight, not at some later repaint.
    QVERIFY2(repainted >= QDateTime(kEve.addDays(1), QTime(0, 0)) &&
                 repainted < QDateTime(kEve.addDays(1), QTime(0, 0, 1)),
             qPrintable(repainted.toString(Qt::ISODateWithMs)));
    // One repaint for the new day, nothing more; then the screen shows the new text.
    QTest::qWait(1500);
    QCOMPARE(watch->paints, 1);
    QVERIFY(dialog.grab().toImage().copy(bannerArea) != before);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::MidnightTest)
#include "midnight_test.moc"
