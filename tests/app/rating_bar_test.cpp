// The rating bar's animation, step by step, and the pixels of its field, outline and stripes
// read back from a rendering.
#include <QTest>

#include "app/rating_bar.h"
#include "platform/dialog.h"

namespace astrivo {
namespace {

constexpr int kWidth = 240;  // pixels: 160 dialog units
constexpr int kHeight = 24;  // pixels: 15 dialog units
constexpr int kMaxSteps = 1000;

QList<int> LevelsUntilRest(RatingBar& bar) {
  QList<int> levels{bar.CurrentLevel()};
  for (int step = 0; step < kMaxSteps && bar.StepAnimation() == 1; ++step) {
    levels.push_back(bar.CurrentLevel());
  }
  return levels;
}

QImage Render(RatingBar& bar) {
  bar.resize(kWidth, kHeight);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  bar.render(&image);
  return image;
}

// Brings a fresh bar to a full bar at phase 0, without a step after the phase is set: at rest
// on 100, SetRating(100) restarts from level 100, which shows the whole bar.
void ShowFullBar(RatingBar& bar) {
  bar.SetRating(100, 0.0);
  LevelsUntilRest(bar);
  bar.SetRating(100, 0.0);
  QCOMPARE(bar.ShownLength(), 100);
}

// The first pixel of `area` that is not `colour`, or an empty string when there is none.
QString StrayPixel(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) != colour) return QStringLiteral("(%1, %2)").arg(x).arg(y);
    }
  }
  return QString();
}

}  // namespace

class RatingBarTest : public QObject {
  Q_OBJECT

 private slots:
  void FillsDrainsAndGrows_data() {
    QTest::addColumn<int>("rating");
    QTest::addColumn<double>("phase");
    QTest::addColumn<QList<int>>("firstLevels");
    // Worked by hand from the step rule trunc(sin(1.8 deg * level) * target * 0.03) + 1:
    // for target 200 it is 1 until level 6, where sin(10.8 deg) * 6 = 1.12.
    QTest::newRow("Luck 0") << 0 << 0.15 << QList<int>{0, 1, 2, 3, 4, 5, 6, 8};
    QTest::newRow("Love 37") << 37 << 0.2 << QList<int>{0, 1, 2, 3, 4, 5, 7};
    QTest::newRow("Money 100") << 100 << 0.25 << QList<int>{0, 1, 2, 3, 4, 6};
  }
  void FillsDrainsAndGrows() {
    QFETCH(int, rating);
    QFETCH(double, phase);
    QFETCH(QList<int>, firstLevels);
    RatingBar bar;
    bar.SetRating(rating, phase);
    const QList<int> levels = LevelsUntilRest(bar);
    QCOMPARE(levels.first(firstLevels.size()), firstLevels);
    const int target = 200 + rating;
    const int steps = static_cast<int>(levels.size()) - 1;

    QCOMPARE(levels.back(), target);
    QCOMPARE(bar.ShownLength(), rating);
    QVERIFY(qFuzzyCompare(bar.Phase(), phase + 0.2 * steps));
    // The bar shows full before it drains and empty before it grows.
    QCOMPARE(levels.count(100), 1);
    QCOMPARE(levels.count(200), 1);
    QCOMPARE(bar.StepAnimation(), 0);
    QCOMPARE(bar.CurrentLevel(), target);
  }

  void StartsFromTheLastRatingClamped_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("currentLevel");
    QTest::addColumn<int>("targetLevel");
    QTest::newRow("80 then 30") << 80 << 30 << 80 << 230;
    QTest::newRow("150 as 100, then -5 as 0") << 150 << -5 << 100 << 200;
    QTest::newRow("largest int, then most negative") << INT_MAX << INT_MIN << 100 << 200;
  }
  void StartsFromTheLastRatingClamped() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, currentLevel);
    QFETCH(int, targetLevel);
    RatingBar bar;
    bar.SetRating(first, 0.15);  // no steps in between
    bar.SetRating(second, 0.2);
    QCOMPARE(bar.CurrentLevel(), currentLevel);
    QCOMPARE(bar.TargetLevel(), targetLevel);
    QCOMPARE(bar.Phase(), 0.2);
  }

  void PaintsOutlineFieldAndStripes_data() {
    QTest::addColumn<bool>("full");  // a fresh, empty bar or a full one at phase 0
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QColor>("colour");
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    // The stripes' colours are checked in the whole window's grab.
    // Only the top row and the left column of the outline fall inside the client area.
    QTest::newRow("empty: top row") << false << QRect(0, 0, kWidth, 1) << white;
    QTest::newRow("empty: left column") << false << QRect(0, 0, 1, kHeight) << white;
    QTest::newRow("empty: field") << false << QRect(1, 1, kWidth - 1, kHeight - 1) << black;
    // Right edges (exclusive): trunc(k * 0.01 * 234) + 3, so 7, 12, ..., 232, 237.
    QTest::newRow("full: above stripes") << true << QRect(1, 1, kWidth - 1, 3) << black;
    QTest::newRow("full: below stripes") << true << QRect(1, kHeight - 3, kWidth - 1, 3) << black;
    QTest::newRow("full: left of first stripe") << true << QRect(1, 1, 3, kHeight - 1) << black;
    QTest::newRow("full: gap after it") << true << QRect(7, 1, 1, kHeight - 1) << black;
    QTest::newRow("full: right of last stripe") << true << QRect(237, 1, 3, kHeight - 1) << black;
  }
  void PaintsOutlineFieldAndStripes() {
    QFETCH(bool, full);
    QFETCH(QRect, area);
    QFETCH(QColor, colour);
    RatingBar bar;
    if (full) ShowFullBar(bar);
    QCOMPARE(StrayPixel(Render(bar), area, colour), QString());
  }

  void TellsAssistiveTechnologyItsNameAndRating() {
    static const DialogTemplate layout{
        "Bars",
        200,
        40,
        kModalFrame,
        {
            // id, kind, caption, picture, style, x, y, width, height (dialog units)
            {1008, ControlKind::kGroupBox, "Luck", 0, kNoStyle, 5, 5, 160, 15},
        }};
    Dialog dialog(
        layout,
        {{1008, [](const ControlTemplate&, QWidget* parent) { return new RatingBar(parent); }}});
    auto* bar = dialog.ControlAs<RatingBar>(1008);
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->accessibleName(), QStringLiteral("Luck"));
    QCOMPARE(bar->size(), QSize(kWidth, kHeight));
    bar->SetRating(75, 0.15);
    QVERIFY(bar->accessibleDescription().contains(QStringLiteral("75")));
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::RatingBarTest)
#include "rating_bar_test.moc"
