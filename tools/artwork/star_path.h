// The star outline several pictures share.
#pragma once

#include <cmath>

#include <QPainterPath>
#include <QPointF>

namespace astrivo {

// A point-symmetric star outline with `points` tips, the first pointing up.
inline QPainterPath StarPath(QPointF centre, double outer, double inner, int points) {
  constexpr double kPi = 3.14159265358979323846;
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const double radius = (i % 2 == 0) ? outer : inner;
    const double angle = -kPi / 2 + i * kPi / points;
    const QPointF p(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (i == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  path.closeSubpath();
  return path;
}

}  // namespace astrivo
