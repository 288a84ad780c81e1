// Dialog units, the measure of dialog layouts: a quarter of the dialog font's average
// character width across, an eighth of its height down.
#pragma once

#include <QFont>
#include <QRect>

namespace astrivo {

class DialogUnits {
 public:
  // The fixed font every dialog uses, whatever the desktop's font settings are.
  static QFont DialogFont();

  explicit DialogUnits(const QFont& font = DialogFont());

  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect ToPixels(const QRect& units) const;

 private:
  int baseX_;
  int baseY_;
};

}  // namespace astrivo
