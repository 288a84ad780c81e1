// Base units from the dialog font's average character width and cell height, so that layouts
// drawn in dialog units and the pixel constants beside them keep their proportions.
#include "platform/dialog_units.h"

#include <QFontMetricsF>
#include <QString>

#include <cmath>
#include <cstdint>

namespace astrivo {
namespace {

constexpr const char* kFamily = "Liberation Sans";  // 11-pixel metrics give base units 6 x 13
// 8 points at the 96 dots per inch that dialog units were laid out for; the device pixel
// ratio, not the font, scales for HiDPI screens.
constexpr int kPixelSize = 11;
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

// a * b / c rounded half away from zero, without overflow for any int arguments.
int MulDiv(int a, int b, int c) {
  const std::int64_t product = std::int64_t{a} * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QFont DialogUnits::DialogFont() {
  QFont font(QString::fromLatin1(kFamily));
  font.setPixelSize(kPixelSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  // Integer advances summed over the alphabet; the average is rounded to nearest.
  const int alphabetWidth = QFontMetrics(font).horizontalAdvance(QString::fromLatin1(kAlphabet));
  baseX_ = (alphabetWidth / (kAlphabetLength / 2) + 1) / 2;
  // The cell height rounds ascent and descent up separately; Qt's integer height
  // rounds them to nearest and comes out a pixel short.
  baseY_ = static_cast<int>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent()));
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, baseX_, kUnitsPerBaseX); }

int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, baseY_, kUnitsPerBaseY); }

QRect DialogUnits::ToPixels(const QRect& units) const {
  return QRect(ToPixelsX(units.x()), ToPixelsY(units.y()), ToPixelsX(units.width()),
               ToPixelsY(units.height()));
}

}  // namespace astrivo
