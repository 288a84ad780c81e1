// One rating, 0 to 100, shown as a row of coloured stripes on black. Every change of rating
// is animated: the bar fills up, drains to empty and grows to the new rating while the
// stripes' colours ripple.
#pragma once

#include <QWidget>

namespace astrivo {

class RatingBar : public QWidget {
  Q_OBJECT

 public:
  explicit RatingBar(QWidget* parent = nullptr);

  void SetBaseColor(int red, int green, int blue);  // added under the ripple; no repaint
  // Starts the animation from the rating set last time toward `rating`, clamped to 0..100;
  // no repaint.
  void SetRating(int rating, double phase);
  // One step of the animation with a repaint (1), or nothing at rest (0).
  int StepAnimation();

  int Rating() const;  // the rating the bar shows at rest, 0..100
  // Hundredths of the bar that the current level shows.
  int ShownLength() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class RatingBarPeer;  // reads the animation's state by value

  double phase_ = 0.0;  // offset of the colour ripple, radians
  int baseRed_ = 0;
  int baseGreen_ = 0;
  int baseBlue_ = 0;
  int targetLevel_ = 200;   // 200 + the rating shown or approached
  int currentLevel_ = 200;  // 0..300: filling, draining, growing
};

}  // namespace astrivo
