// A slider with the track bar keys of the program's dialogs: Up, Left and Page Up decrease the
// position, Down, Right and Page Down increase it, Home and End go to the ends, whichever
// way the bar stands. A press that a modal box ends while the press is still being handled
// stays ended.
#pragma once

#include <QSlider>

namespace astrivo {

class TrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressing_ = false;            // inside the press's own handling
  bool endedWhilePressing_ = false;  // and a release came meanwhile
};

}  // namespace astrivo
