// Track bar keys.
#include "platform/track_bar.h"

#include <QKeyEvent>

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

}  // namespace astrivo
