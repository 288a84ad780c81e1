// Painting on the screen's own pixel grid. At a fractional scale the edges of a widget fall
// between device pixels, and a line one logical pixel wide comes out one or two device
// pixels wide depending on where it lands. Through DevicePixels a painter works in whole
// device pixels of the window, so a line drawn n pixels wide is n wide wherever it lies.
#pragma once

#include <QRect>

class QColor;

class QPainter;
class QWidget;

namespace astrivo {

class DevicePixels {
 public:
  // Switches `painter`, open on `widget`, to device pixels of the widget's window; the
  // painter's state should be saved around it where logical drawing follows.
  DevicePixels(QPainter& painter, const QWidget& widget);

  // The width, in device pixels, of a line one logical pixel wide: the scale rounded, at
  // least 1.
  int Line() const { return line_; }
  // The device pixels wholly inside `logical` (widget coordinates).
  QRect Inside(const QRect& logical) const;
  // Every device pixel that `logical` (widget coordinates) touches.
  QRect Covering(const QRect& logical) const;

 private:
  double scale_;
  double left_;  // the widget's origin in device pixels of its window
  double top_;
  int line_;
};

// Fills the outline of `rect` with bands `width` pixels wide, all four inside `rect`.
void FillOutline(QPainter& painter, const QRect& rect, int width, const QColor& color);

// The same outline dotted: squares `width` on a side with gaps as wide between them.
void FillDottedOutline(QPainter& painter, const QRect& rect, int width, const QColor& color);

}  // namespace astrivo
