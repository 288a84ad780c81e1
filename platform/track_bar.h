// A slider with the original platform's track bar keys: Up, Left and Page Up decrease the
// position, Down, Right and Page Down increase it, Home and End go to the ends, whichever
// way the bar stands.
#pragma once

#include <QSlider>

namespace astrivo {

class TrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace astrivo
