// The link control of the About box.
#include "app/hyper_link.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

#include "platform/link_cursor.h"
#include "platform/web_address_opener.h"

namespace astrivo {
namespace {

const QColor kLinkBlue(0, 0, 255);
// Logical pixels from the control's edge to the focus frame's outer edge: one of free space,
// then the frame's own line.
constexpr int kFocusFrameOutset = 2;

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent), opener_(OpenWebAddress) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a static text's own placing
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, kLinkBlue);
  setPalette(colors);
  setAutoFillBackground(false);
  // Reachable with Tab as well as by pointer, so keyboard users can open it with space.
  setFocusPolicy(Qt::TabFocus);
  // Moves are watched too, so that hovering comes back after a focus loss cleared it.
  setMouseTracking(true);
}

void CHyperLink::SetOpener(Opener opener) { opener_ = std::move(opener); }

void CHyperLink::Attach() {
  if (url.isEmpty()) url = text();
  const QString caption = text();
  if (caption.isEmpty()) setText(url);

  linkFont = font();
  linkFont.setUnderline((options & kUnderline) != 0);
  setFont(linkFont);
  SizeToText();

  setCursor(LinkCursor());
  setToolTip(caption);
  setAccessibleName(text());
  setAccessibleDescription(url);
}

void CHyperLink::SizeToText() {
  if ((options & kSizeToText) == 0) return;
  const QFontMetrics metrics(linkFont);
  const int textWidth = metrics.horizontalAdvance(text());
  const int textHeight = metrics.height();
  const int border = 2 * frameWidth();
  QRect place = geometry();
  const int innerWidth = place.width() - border;
  const int innerHeight = place.height() - border;
  int left = place.left();
  int top = place.top();
  int right = left + innerWidth;   // exclusive
  int bottom = top + innerHeight;  // exclusive

  const Qt::Alignment align = alignment();
  if ((align & Qt::AlignVCenter) != 0) {
    const int shrink = (innerHeight - textHeight) / 2;
    top += shrink;
    bottom -= shrink;
  } else {
    bottom = top + textHeight;
  }
  if ((align & Qt::AlignHCenter) != 0) {
    const int shrink = (innerWidth - textWidth) / 2;
    left += shrink;
    right -= shrink;
  } else if ((align & Qt::AlignRight) != 0) {
    left = right - textWidth;
  } else {
    right = left + textWidth;
  }
  setGeometry(left, top, right - left + border, bottom - top + border);
  update();
}

QRect CHyperLink::FocusFrame() const {
  return geometry().adjusted(-kFocusFrameOutset, -kFocusFrameOutset, kFocusFrameOutset,
                             kFocusFrameOutset);
}

void CHyperLink::UpdateFocusFrame() {
  if (parentWidget() != nullptr) parentWidget()->update(FocusFrame());
}

void CHyperLink::OpenAddress() {
  if (opener_) opener_(url);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
  if (!hovering) {
    hovering = true;
    update();
  }
  QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
  if (hovering) {
    hovering = false;
    update();
  }
  QLabel::leaveEvent(event);
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
  if (!hovering && rect().contains(event->position().toPoint())) {
    hovering = true;
    update();
  }
  QLabel::mouseMoveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  if ((options & kFocusOnPress) != 0) setFocus(Qt::MouseFocusReason);
  armed = true;
  event->accept();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLabel::mouseReleaseEvent(event);
    return;
  }
  // Qt keeps sending the pointer to the link after a drag off it, but the link gives up the
  // pointer on leaving, so only a release over the link itself opens the address.
  if (armed && rect().contains(event->position().toPoint())) OpenAddress();
  event->accept();
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
  armed = true;
  update();
  UpdateFocusFrame();
  QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
  spaceDown_ = false;  // its release goes elsewhere
  hovering = false;
  armed = false;
  update();
  UpdateFocusFrame();
  QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) {
    QLabel::keyPressEvent(event);
    return;
  }
  // One press of the key opens the address once, however long it is held. Qt flags a repeat
  // only when the repeat's press is already queued as its release is read; on a busy machine
  // it is not, so the pair looks like a fresh press. Its timestamp still gives it away.
  const bool repeat = event->isAutoRepeat() || spaceDown_ ||
                      (spaceReleased_ && event->timestamp() == spaceReleasedAt_);
  spaceDown_ = true;
  if (!repeat) OpenAddress();
  event->accept();
}

void CHyperLink::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    spaceDown_ = false;
    spaceReleased_ = true;
    spaceReleasedAt_ = event->timestamp();
  }
  QLabel::keyReleaseEvent(event);
}

}  // namespace astrivo
