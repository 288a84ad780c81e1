// Group boxes that paint only their frame and caption; styles such as Fusion would also shade
// the inside, over whatever lies beneath.
#include "platform/group_box.h"

#include <QPainter>
#include <QStyle>

#include "platform/device_pixels.h"

namespace astrivo {
namespace {

constexpr int kCaptionIndent = 6;  // pixels from the frame's left edge to the caption's gap
constexpr int kCaptionGap = 1;     // pixels of frame left out on each side of the caption

}  // namespace

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;

  // The frame's top line runs through the middle of the caption.
  const QRect frame = rect().adjusted(0, metrics.height() / 2 - 1, 0, 0);
  QRect caption;
  if (!title().isEmpty()) {
    const QRect room = rect().adjusted(kCaptionIndent + kCaptionGap, 0, 0, 0);
    caption = style()->itemTextRect(metrics, room, kFlags, isEnabled(), title());
  }

  // Etched: a shadow line with a highlight line just below and to the right of it, each one
  // logical pixel wide and drawn on whole device pixels, so that all four sides look alike
  // at every scale.
  const QRect gap = caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0);
  painter.save();
  const DevicePixels grid(painter, *this);
  const int line = grid.Line();
  const QRect outer = grid.Inside(frame);
  painter.setClipRegion(QRegion(grid.Inside(rect())).subtracted(grid.Covering(gap)));
  FillOutline(painter, outer.adjusted(0, 0, -line, -line), line, palette().color(QPalette::Dark));
  FillOutline(painter, outer.adjusted(line, line, 0, 0), line, palette().color(QPalette::Light));
  painter.restore();

  if (!caption.isEmpty()) {
    style()->drawItemText(&painter, caption, kFlags, palette(), isEnabled(), title(),
                          QPalette::WindowText);
  }
}

}  // namespace astrivo
