// The date banner's text through the clock seam, in any locale, and its painting.
#include <QLocale>
#include <QTest>

#include <clocale>

#include "app/date_banner.h"

namespace astrivo {
namespace {

constexpr int kWidth = 360;   // pixels: 240 dialog units
constexpr int kHeight = 24;   // pixels: 15 dialog units
const QColor kDarkBlue(0, 0, 100);

QImage Render(DateBanner& banner) {
  banner.resize(kWidth, kHeight);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  banner.render(&image);
  return image;
}

}  // namespace

class DateBannerTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTodayInEnglish_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    // Weekdays from any printed calendar.
    QTest::newRow("day below 10 has a leading zero")
        << 6 << 12 << 2026 << "Todays date: Sunday December 06, 2026";
    QTest::newRow("day 1 of the time scale") << 1 << 1 << 2000
                                             << "Todays date: Saturday January 01, 2000";
    QTest::newRow("leap day") << 29 << 2 << 2004 << "Todays date: Sunday February 29, 2004";
    QTest::newRow("before 2000") << 20 << 7 << 1969 << "Todays date: Sunday July 20, 1969";
    QTest::newRow("last day of the range") << 31 << 12 << 2099
                                           << "Todays date: Thursday December 31, 2099";
  }
  void ShowsTodayInEnglish() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, text);
    const FixedToday today({day, month, year});
    DateBanner banner;
    QCOMPARE(banner.Text(), text);
  }

  void StaysEnglishInAnotherLocale() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const FixedToday today({6, 12, 2026});
    const QString text = DateBanner().Text();
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
    QCOMPARE(text, QStringLiteral("Todays date: Sunday December 06, 2026"));
  }

  void PaintsTheStripOutlineAndText() {
    const FixedToday today({6, 12, 2026});
    DateBanner banner;
    const QImage image = Render(banner);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(kWidth - 1, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(0, kHeight - 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(kWidth - 1, kHeight / 2), kDarkBlue);  // no right line
    QCOMPARE(image.pixelColor(kWidth / 2, kHeight - 1), kDarkBlue);  // no bottom line
    int whiteInText = 0;
    int otherColours = 0;
    for (int y = 1; y < kHeight; ++y) {
      for (int x = 1; x < kWidth; ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (x < 5) {
          // Left of the 5-pixel inset: the strip only.
          QCOMPARE(colour, kDarkBlue);
        } else if (colour == QColor(Qt::white)) {
          ++whiteInText;
        } else if (colour.red() != colour.green() || colour.blue() < colour.red()) {
          ++otherColours;  // anything but white, blue and their blends
        }
      }
    }
    QVERIFY2(whiteInText > 50, "the date must be written in white");
    QCOMPARE(otherColours, 0);
  }

  void TextIsCentredVertically() {
    const FixedToday today({6, 12, 2026});
    DateBanner banner;
    const QImage image = Render(banner);
    int top = kHeight;
    int bottom = -1;
    for (int y = 1; y < kHeight; ++y) {
      for (int x = 5; x < kWidth; ++x) {
        if (image.pixelColor(x, y) != kDarkBlue) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
    }
    QVERIFY(bottom >= top);
    // A 16-pixel serif in a 24-pixel strip: ink roughly in the middle, within 4 pixels.
    QVERIFY2(std::abs((top + bottom) - kHeight) <= 8,
             qPrintable(QStringLiteral("ink rows %1..%2").arg(top).arg(bottom)));
  }

  void NamesItsTextToAssistiveTechnology() {
    const FixedToday today({6, 12, 2026});
    DateBanner banner;
    QCOMPARE(banner.accessibleName(), QStringLiteral("Todays date: Sunday December 06, 2026"));
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::DateBannerTest)
#include "date_banner_test.moc"
