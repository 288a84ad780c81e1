// Whole device pixels of a widget's window.
#include "platform/device_pixels.h"

#include <QColor>
#include <QPainter>
#include <QTransform>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace astrivo {
namespace {

// Positions a hair off a whole pixel count as on it: 98 x 1.25 is 122.5 exactly, but a
// scale such as 1.1 is not, and its products must not round a pixel away.
constexpr double kSlack = 1e-6;

int Ceil(double value) { return static_cast<int>(std::ceil(value - kSlack)); }
int Floor(double value) { return static_cast<int>(std::floor(value + kSlack)); }

}  // namespace

DevicePixels::DevicePixels(QPainter& painter, const QWidget& widget)
    : scale_(widget.devicePixelRatioF()) {
  const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
  left_ = origin.x() * scale_;
  top_ = origin.y() * scale_;
  line_ = std::max(1, static_cast<int>(std::lround(scale_)));
  // A device pixel (x, y) of the window lies at (x / scale, y / scale) - origin in the
  // widget's own coordinates.
  QTransform toWidget;
  toWidget.translate(-origin.x(), -origin.y());
  toWidget.scale(1.0 / scale_, 1.0 / scale_);
  painter.setWorldTransform(toWidget);
}

QRect DevicePixels::Inside(const QRect& logical) const {
  const int left = Ceil(left_ + logical.left() * scale_);
  const int top = Ceil(top_ + logical.top() * scale_);
  const int right = Floor(left_ + (logical.left() + logical.width()) * scale_);
  const int bottom = Floor(top_ + (logical.top() + logical.height()) * scale_);
  return QRect(left, top, right - left, bottom - top);
}

QRect DevicePixels::Covering(const QRect& logical) const {
  const int left = Floor(left_ + logical.left() * scale_);
  const int top = Floor(top_ + logical.top() * scale_);
  const int right = Ceil(left_ + (logical.left() + logical.width()) * scale_);
  const int bottom = Ceil(top_ + (logical.top() + logical.height()) * scale_);
  return QRect(left, top, right - left, bottom - top);
}

void FillOutline(QPainter& painter, const QRect& rect, int width, const QColor& color) {
  const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
  painter.fillRect(x, y, w, width, color);                                  // top
  painter.fillRect(x, y + h - width, w, width, color);                      // bottom
  painter.fillRect(x, y + width, width, h - 2 * width, color);              // left
  painter.fillRect(x + w - width, y + width, width, h - 2 * width, color);  // right
}

void FillDottedOutline(QPainter& painter, const QRect& rect, int width, const QColor& color) {
  const int step = 2 * width;
  for (int x = rect.left(); x + width <= rect.left() + rect.width(); x += step) {
    painter.fillRect(x, rect.top(), width, width, color);
    painter.fillRect(x, rect.top() + rect.height() - width, width, width, color);
  }
  for (int y = rect.top() + step; y + width <= rect.top() + rect.height() - width; y += step) {
    painter.fillRect(rect.left(), y, width, width, color);
    painter.fillRect(rect.left() + rect.width() - width, y, width, width, color);
  }
}

}  // namespace astrivo
