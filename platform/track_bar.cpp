// Track bar keys.
#include "platform/track_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace astrivo {
namespace {

struct KeyAction {
  Qt::Key key;
  QAbstractSlider::SliderAction action;
};
constexpr KeyAction kKeyActions[] = {
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

}  // namespace

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
  // Keys are handled below; the inverted controls only turn Qt's wheel round, so that a
  // wheel turned away from the user decreases the position, as Up does.
  setInvertedControls(true);
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    for (const KeyAction& entry : kKeyActions) {
      if (event->key() == entry.key) {
        triggerAction(entry.action);
        setRepeatAction(SliderNoAction);
        event->accept();
        return;
      }
    }
  }
  QSlider::keyPressEvent(event);
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  endedWhilePressing_ = false;
  QSlider::mousePressEvent(event);
  pressing_ = false;
  if (!endedWhilePressing_) return;
  // A box raised by the press itself (a page step, the move to a middle click) ended it before
  // Qt had finished the press: after the box Qt starts the page repeat, or takes the thumb as
  // held. End that too, so that nothing steps on unseen.
  setRepeatAction(SliderNoAction);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), event->scenePosition(),
                      event->globalPosition(), event->button(), Qt::NoButton, event->modifiers());
  QSlider::mouseReleaseEvent(&release);
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  if (pressing_) endedWhilePressing_ = true;
  QSlider::mouseReleaseEvent(event);
}

}  // namespace astrivo
