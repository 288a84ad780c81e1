// The rating bar's animation, step by step, and the pixels of its field, outline and stripes
// read back from a rendering.
#include <QEvent>
#include <QTest>

#include <algorithm>
#include <vector>

#include "app/rating_bar.h"
#include "platform/dialog.h"

namespace astrivo {
namespace {

constexpr int kWidth = 240;   // pixels: 160 dialog units
constexpr int kHeight = 24;   // pixels: 15 dialog units
constexpr int kMaxSteps = 1000;

struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

std::vector<int> LevelsUntilRest(RatingBar& bar) {
  std::vector<int> levels{bar.CurrentLevel()};
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

// Brings a fresh bar to a full bar at exactly `phase`, without a step after the phase is set:
// at rest on 100, SetRating(100) restarts from level 100, which shows the whole bar.
void ShowFullBarAtPhase(RatingBar& bar, double phase) {
  bar.SetRating(100, 0.0);
  LevelsUntilRest(bar);
  bar.SetRating(100, phase);
  QCOMPARE(bar.ShownLength(), 100);
}

}  // namespace

class RatingBarTest : public QObject {
  Q_OBJECT

 private slots:
  void FreshBarRestsEmpty() {
    RatingBar bar;
    QCOMPARE(bar.TargetLevel(), 200);
    QCOMPARE(bar.CurrentLevel(), 200);
    QCOMPARE(bar.ShownLength(), 0);
    QCOMPARE(bar.StepAnimation(), 0);
    QCOMPARE(bar.Phase(), 0.0);
  }

  void ClampsTheRating_data() {
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("targetLevel");
    QTest::newRow("150 as 100") << 150 << 300;
    QTest::newRow("100") << 100 << 300;
    QTest::newRow("42") << 42 << 242;
    QTest::newRow("0") << 0 << 200;
    QTest::newRow("-5 as 0") << -5 << 200;
    QTest::newRow("most negative int") << INT_MIN << 200;
    QTest::newRow("largest int") << INT_MAX << 300;
  }
  void ClampsTheRating() {
    QFETCH(int, rating);
    QFETCH(int, targetLevel);
    RatingBar bar;
    bar.SetRating(rating, 0.15);
    QCOMPARE(bar.TargetLevel(), targetLevel);
    QCOMPARE(bar.CurrentLevel(), 0);  // a fresh bar's last rating is 0
  }

  void FillsDrainsAndGrows_data() {
    QTest::addColumn<int>("rating");
    QTest::addColumn<double>("phase");
    QTest::newRow("Luck 0") << 0 << 0.15;
    QTest::newRow("Love 37") << 37 << 0.2;
    QTest::newRow("Money 100") << 100 << 0.25;
  }
  void FillsDrainsAndGrows() {
    QFETCH(int, rating);
    QFETCH(double, phase);
    RatingBar bar;
    bar.SetRating(rating, phase);
    const std::vector<int> levels = LevelsUntilRest(bar);
    const int target = 200 + rating;
    const int steps = static_cast<int>(levels.size()) - 1;

    QCOMPARE(levels.back(), target);
    QCOMPARE(bar.ShownLength(), rating);
    QVERIFY(qFuzzyCompare(bar.Phase(), phase + 0.2 * steps));
    const int largestStep = 1 + static_cast<int>(0.03 * target);
    bool reachedFull = false;
    bool reachedEmpty = false;
    for (std::size_t i = 1; i < levels.size(); ++i) {
      const int step = levels[i] - levels[i - 1];
      QVERIFY2(step >= 1 && step <= largestStep, qPrintable(QString::number(step)));
      // At the turning points the sine is zero and the bar moves by one level.
      if (levels[i - 1] == 0 || levels[i - 1] == 100 || levels[i - 1] == 200) {
        QCOMPARE(step, 1);
      }
      reachedFull = reachedFull || levels[i] == 100;
      reachedEmpty = reachedEmpty || levels[i] == 200;
    }
    QVERIFY2(reachedFull, "the bar must show full before it drains");
    QVERIFY2(reachedEmpty, "the bar must show empty before it grows");
    QCOMPARE(bar.StepAnimation(), 0);
    QCOMPARE(bar.CurrentLevel(), target);
  }

  void FirstStepsFollowTheSine() {
    // Worked by hand from the step rule for target 200: trunc(sin(1.8 deg * level) * 6) + 1
    // is 1 until level 6, where sin(10.8 deg) * 6 = 1.12.
    RatingBar bar;
    bar.SetRating(0, 0.0);
    std::vector<int> levels;
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(bar.StepAnimation(), 1);
      levels.push_back(bar.CurrentLevel());
    }
    QCOMPARE(levels, (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
  }

  void TwoRatingsWithoutStepsStartFromTheFirst() {
    RatingBar bar;
    bar.SetRating(80, 0.15);
    bar.SetRating(30, 0.2);
    QCOMPARE(bar.CurrentLevel(), 80);
    QCOMPARE(bar.TargetLevel(), 230);
    QCOMPARE(bar.Phase(), 0.2);
    QCOMPARE(bar.ShownLength(), 80);
  }

  void RepaintsOnlyWhenItSteps() {
    RatingBar bar;
    bar.resize(kWidth, kHeight);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    PaintCounter counter;
    bar.installEventFilter(&counter);
    QCOMPARE(bar.StepAnimation(), 0);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    bar.SetRating(50, 0.0);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);  // SetRating asks for no repaint
    QCOMPARE(bar.StepAnimation(), 1);
    QTRY_COMPARE(counter.paints, 1);
  }

  void FreshBarShowsFieldAndTopLeftOutline_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("top left corner") << QPoint(0, 0) << QColor(Qt::white);
    QTest::newRow("top row, right end") << QPoint(kWidth - 1, 0) << QColor(Qt::white);
    QTest::newRow("left column, bottom") << QPoint(0, kHeight - 1) << QColor(Qt::white);
    QTest::newRow("no right line") << QPoint(kWidth - 1, 12) << QColor(Qt::black);
    QTest::newRow("no bottom line") << QPoint(120, kHeight - 1) << QColor(Qt::black);
    QTest::newRow("field") << QPoint(120, 12) << QColor(Qt::black);
    QTest::newRow("inside the outline") << QPoint(1, 1) << QColor(Qt::black);
  }
  void FreshBarShowsFieldAndTopLeftOutline() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    RatingBar bar;
    QCOMPARE(Render(bar).pixelColor(pixel), colour);
  }

  void FullBarStripes_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    // Stripe colours at phase 0 with base (0, 0, 0), from the ripple formulas:
    // k = 2: (254, 204, 77); k = 4: (250, 158, 36); k = 100: (230, 114, 11).
    // Right edges (exclusive): trunc(k * 0.01 * 234) + 3, so 7, 12, ..., 232, 237.
    const QColor first(254, 204, 77);
    QTest::newRow("gap left of the first stripe") << QPoint(3, 10) << QColor(Qt::black);
    QTest::newRow("first stripe, left") << QPoint(4, 10) << first;
    QTest::newRow("first stripe, right") << QPoint(6, 10) << first;
    QTest::newRow("gap after the first stripe") << QPoint(7, 10) << QColor(Qt::black);
    QTest::newRow("second stripe") << QPoint(8, 10) << QColor(250, 158, 36);
    QTest::newRow("second stripe ends") << QPoint(12, 10) << QColor(Qt::black);
    QTest::newRow("row above the stripes") << QPoint(5, 3) << QColor(Qt::black);
    QTest::newRow("top stripe row") << QPoint(5, 4) << first;
    QTest::newRow("bottom stripe row") << QPoint(5, kHeight - 4) << first;
    QTest::newRow("row below the stripes") << QPoint(5, kHeight - 3) << QColor(Qt::black);
    QTest::newRow("last stripe") << QPoint(kWidth - 4, 10) << QColor(230, 114, 11);
    QTest::newRow("after the last stripe") << QPoint(kWidth - 3, 10) << QColor(Qt::black);
    QTest::newRow("outline stays") << QPoint(0, 10) << QColor(Qt::white);
  }
  void FullBarStripes() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    RatingBar bar;
    ShowFullBarAtPhase(bar, 0.0);
    QCOMPARE(Render(bar).pixelColor(pixel), colour);
  }

  void BaseColourIsAddedAndClamped() {
    RatingBar bar;
    bar.SetBaseColor(150, -300, 0);
    ShowFullBarAtPhase(bar, 0.0);
    // k = 2: red 150 + 254 clamps to 255, green 204 - 300 clamps to 0, blue stays 77.
    QCOMPARE(Render(bar).pixelColor(5, 10), QColor(255, 0, 77));
  }

  void ShortLengthsDrawNoneOrOneStripe_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("shownLength");
    QTest::addColumn<bool>("firstStripe");
    QTest::newRow("length 1 draws nothing") << 1 << 1 << false;
    QTest::newRow("length 3 draws k = 2") << 3 << 3 << true;
  }
  void ShortLengthsDrawNoneOrOneStripe() {
    QFETCH(int, steps);
    QFETCH(int, shownLength);
    QFETCH(bool, firstStripe);
    RatingBar bar;
    bar.SetRating(0, 0.0);
    for (int i = 0; i < steps; ++i) bar.StepAnimation();
    QCOMPARE(bar.ShownLength(), shownLength);
    const QImage image = Render(bar);
    QCOMPARE(image.pixelColor(5, 10) != QColor(Qt::black), firstStripe);
    QCOMPARE(image.pixelColor(9, 10), QColor(Qt::black));
  }

  void TellsAssistiveTechnologyItsNameAndRating() {
    static const DialogTemplate layout{
        "Bars", 200, 40, kModalFrame,
        {
            // id, kind, caption, picture, style, x, y, width, height (dialog units)
            {1008, ControlKind::GroupBox, "Luck", 0, kNoStyle, 5, 5, 160, 15},
        }};
    Dialog dialog(layout, {{1008, [](const ControlTemplate&, QWidget* parent) {
                              return new RatingBar(parent);
                            }}});
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
