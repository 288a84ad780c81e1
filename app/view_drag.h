// Taking the sky with the pointer: a left-button drag across the view turns and tilts it
// through the two sliders, and the wheel over the view steps the heading slider.
#pragma once

#include <functional>

#include <QObject>
#include <QPointF>

class QSlider;
class QWindow;

namespace astrivo {

class ViewDrag : public QObject {
  Q_OBJECT

 public:
  // The view's full width turns the heading by half a turn, its full height sweeps the
  // tilt over its range; a drag to the right moves the heading thumb right, a drag down
  // moves the tilt thumb down. `began` runs when a press has moved far enough to be a drag.
  ViewDrag(QWindow& view, QSlider& heading, QSlider& tilt, std::function<void()> began);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class State { kIdle, kPressed, kDragging };

  void Move(QPointF at);
  // Moves the sliders as a user's drag of their thumbs does, so the dialog reads its fields
  // back and repaints.
  void Follow(QPointF step);
  void End();

  QWindow& view_;
  QSlider& heading_;
  QSlider& tilt_;
  std::function<void()> began_;
  State state_ = State::kIdle;
  QPointF pressedAt_;  // logical pixels in the view
  QPointF last_;       // where the sliders were last moved for
  // Fractional slider positions, so that slow drags do not round away.
  double headingPosition_ = 0;
  double tiltPosition_ = 0;
};

}  // namespace astrivo
