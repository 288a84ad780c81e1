// The date banner's text through the clock seam, English in any locale, and its painting.
#include <QLocale>
#include <QTest>

#include <clocale>

#include "app/date_banner.h"
#include "fixed_today.h"

namespace astrivo {
namespace {

constexpr int kWidth = 360;  // pixels: 240 dialog units
constexpr int kHeight = 24;  // pixels: 15 dialog units
const QColor kDarkBlue(0, 0, 100);

}  // namespace

class DateBannerTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTodayInEnglishInAnyLocale_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    // Weekdays from any printed calendar.
    QTest::newRow("day below 10 has a leading zero")
        << QDate(2026, 12, 6) << "Todays date: Sunday December 06, 2026";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << "Todays date: Thursday February 29, 2024";
  }
  void ShowsTodayInEnglishInAnyLocale() {
    QFETCH(QDate, today);
    QFETCH(QString, text);
    const FixedToday fixed({today.day(), today.month(), today.year()});
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const DateBanner banner(kTestClock);
    const QString shown = banner.Text();
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
    QCOMPARE(shown, text);
    QCOMPARE(banner.accessibleName(), text);
  }

  void PaintsStripOutlineAndCentredWhiteText() {
    const FixedToday today({6, 12, 2026});
    DateBanner banner(kTestClock);
    banner.resize(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    banner.render(&image);
    // Only the top row and the left column of the outline fall inside the client area.
    QCOMPARE(image.pixelColor(kWidth - 1, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(0, kHeight - 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(kWidth - 1, kHeight / 2), kDarkBlue);
    QCOMPARE(image.pixelColor(kWidth / 2, kHeight - 1), kDarkBlue);
    int white = 0;
    int top = kHeight;
    int bottom = -1;
    for (int y = 1; y < kHeight; ++y) {
      for (int x = 5; x < kWidth; ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour == kDarkBlue) continue;
        white += colour == Qt::white;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    QVERIFY2(white > 50, "the date must be written in white");
    // A 16-pixel serif in a 24-pixel strip: ink roughly in the middle, within 4 pixels.
    QVERIFY2(std::abs((top + bottom) - kHeight) <= 8,
             qPrintable(QStringLiteral("ink rows %1..%2").arg(top).arg(bottom)));
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DateBannerTest)
#include "date_banner_test.moc"
