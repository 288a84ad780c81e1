// Dragging the sky view.
#include "app/view_drag.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QStyleHints>
#include <QWheelEvent>
#include <QWindow>

namespace astrivo {
namespace {

constexpr double kHeadingPerWidth = 180.0;  // degrees of heading across the view's full width

// Brings a heading position that ran past an end of the slider back in from the other end:
// both ends face the same way. Positions already in the range are kept, ends included.
double WrapIntoRange(double position, int minimum, int maximum) {
  const double span = maximum - minimum;
  if (span <= 0 || (position >= minimum && position <= maximum)) return position;
  const double offset = std::fmod(position - minimum, span);
  return minimum + (offset < 0 ? offset + span : offset);
}

}  // namespace

ViewDrag::ViewDrag(QWindow& view, QSlider& heading, QSlider& tilt, std::function<void()> began)
    : QObject(heading.window()),
      view_(view),
      heading_(heading),
      tilt_(tilt),
      began_(std::move(began)) {
  view.installEventFilter(this);
  // A modal box over the window takes the pointer: the drag ends with it.
  heading.window()->installEventFilter(this);
  view.setCursor(Qt::OpenHandCursor);
}

bool ViewDrag::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowBlocked:
      End();
      break;
    case QEvent::MouseButtonPress:
      if (watched == &view_ && state_ == State::kIdle &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        state_ = State::kPressed;
        pressedAt_ = static_cast<QMouseEvent*>(event)->position();
      }
      break;
    case QEvent::MouseMove:
      if (watched == &view_ && state_ != State::kIdle) {
        const auto* move = static_cast<QMouseEvent*>(event);
        // A move without the button means its release went elsewhere.
        if ((move->buttons() & Qt::LeftButton) == 0) {
          End();
        } else {
          Move(move->position());
        }
      }
      break;
    // Any release ends the drag, one with no button held included; so does the pointer
    // leaving the view for good.
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
    case QEvent::Hide:
      if (watched == &view_) End();
      break;
    case QEvent::Wheel:
      if (watched == &view_) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPointF centre = QRectF(heading_.rect()).center();
        QWheelEvent handed(centre, heading_.mapToGlobal(centre), wheel->pixelDelta(),
                           wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                           wheel->phase(), wheel->inverted(), wheel->source());
        QCoreApplication::sendEvent(&heading_, &handed);
        return true;
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void ViewDrag::Move(QPointF at) {
  if (state_ == State::kPressed) {
    // Below the drag distance a press is still a click, and a click does nothing.
    if ((at - pressedAt_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
      return;
    state_ = State::kDragging;
    began_();
    view_.setCursor(Qt::ClosedHandCursor);
    headingPosition_ = heading_.sliderPosition();
    tiltPosition_ = tilt_.sliderPosition();
    last_ = pressedAt_;
  }
  const QPointF step = at - last_;
  last_ = at;
  Follow(step);
}

void ViewDrag::Follow(QPointF step) {
  const QSize size = view_.size();  // logical pixels, as the pointer's positions are
  if (size.width() <= 0 || size.height() <= 0) return;
  headingPosition_ = WrapIntoRange(headingPosition_ + step.x() * kHeadingPerWidth / size.width(),
                                   heading_.minimum(), heading_.maximum());
  // The full height sweeps the whole tilt range; a drag past an end stays there, and the
  // way back starts at once.
  const int tiltRange = tilt_.maximum() - tilt_.minimum();
  tiltPosition_ =
      std::clamp(tiltPosition_ + step.y() * tiltRange / size.height(),
                 static_cast<double>(tilt_.minimum()), static_cast<double>(tilt_.maximum()));
  // Each slider's handler may prompt for a bad field; the prompt ends the drag, and the rest
  // of this move with it, so one drag gives at most one prompt.
  heading_.setSliderPosition(static_cast<int>(std::lround(headingPosition_)));
  if (state_ != State::kDragging) return;
  tilt_.setSliderPosition(static_cast<int>(std::lround(tiltPosition_)));
}

void ViewDrag::End() {
  if (state_ == State::kDragging) view_.setCursor(Qt::OpenHandCursor);
  state_ = State::kIdle;
}

}  // namespace astrivo
