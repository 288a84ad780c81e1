// The rating bar's animation step by step and the date banner's text; what both paint is
// checked in a grab of the whole main window.
#include <QLocale>
#include <QTest>

#include <climits>
#include <clocale>

#include "app/date_banner.h"
#include "app/rating_bar.h"
#include "dialog_peer.h"
#include "fixed_today.h"

namespace astrivo {

class IndicatorsTest : public QObject {
  Q_OBJECT

 private slots:
  // Levels from a fresh bar (0 toward 200 + rating, the rating clamped to 0..100). Worked in
  // Python from the step rule level += |int(sin(1.8 deg * level) * target * 0.03)| + 1,
  // capped at the target.
  void BarFillsDrainsAndGrows_data() {
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("rating");
    QTest::addColumn<QList<int>>("firstLevels");
    QTest::addColumn<int>("steps");
    QTest::newRow("-5 as 0") << -5 << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6, 8} << 66;
    QTest::newRow("37") << 37 << 37 << QList<int>{0, 1, 2, 3, 4, 5, 7, 9} << 72;
    QTest::newRow("150 as 100") << 150 << 100 << QList<int>{0, 1, 2, 3, 4, 6, 8, 11} << 72;
  }
  void BarFillsDrainsAndGrows() {
    QFETCH(int, given);
    QFETCH(int, rating);
    QFETCH(int, steps);
    RatingBar bar;  // fresh: at rest on 0
    bar.SetRating(given, 0.2);
    QList<int> levels{RatingBarPeer::CurrentLevel(bar)};
    while (levels.size() <= 1000 && bar.StepAnimation() == 1)
      levels << RatingBarPeer::CurrentLevel(bar);
    QTEST(levels.first(8), "firstLevels");
    QCOMPARE(levels.size() - 1, steps);
    QVERIFY(levels.contains(100) && levels.contains(200));  // full, then empty, on the way
    QCOMPARE(bar.ShownLength(), rating);
    QCOMPARE(RatingBarPeer::Phase(bar), 0.2 + 0.2 * steps);
    QCOMPARE(bar.StepAnimation(), 0);
    bar.SetRating(INT_MAX, 0.15);  // the next rating starts from this one
    QCOMPARE(RatingBarPeer::CurrentLevel(bar), rating);
    QCOMPARE(RatingBarPeer::TargetLevel(bar), 300);
  }

  // English names whatever the user's locale; weekdays from any printed calendar.
  void BannerShowsTodayInEnglish_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::newRow("a day below 10")
        << QDate(2026, 12, 6) << "Todays date: Sunday December 06, 2026";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << "Todays date: Thursday February 29, 2024";
  }
  void BannerShowsTodayInEnglish() {
    QFETCH(QDate, today);
    const FixedToday fixed({today.day(), today.month(), today.year()});
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr,
             "no de_DE.UTF-8 locale: the suite builds one under LOCPATH (localedef, package "
             "locales)");
    const QString shown = DateBanner(kTestClock).Text();
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
    QTEST(shown, "text");
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::IndicatorsTest)
#include "indicators_test.moc"
