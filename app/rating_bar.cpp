// The rating bars of the main dialog: the animation, the stripes, and what a screen reader
// hears, a progress bar whose value is the rating the bar comes to rest at.
#include "app/rating_bar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/device_pixels.h"
#include "sky/angles.h"

namespace astrivo {
namespace {

constexpr int kRestLevel = 200;           // level offset of a rating at rest
constexpr int kLegLength = 100;           // levels per leg: filling, draining, growing
constexpr double kDegreesPerLevel = 1.8;  // one leg is half a sine period
constexpr double kStepPerTarget = 0.03;   // half-way along a leg the step is 1 + 3 % of target
constexpr double kPhaseStep = 0.2;        // radians per animation step
constexpr int kInset = 3;            // lines between the outline and the stripe span, each side
constexpr int kStripeTop = 4;        // lines above the stripes
constexpr int kStripeBottomGap = 3;  // lines below the stripes
constexpr int kStripeStride = 2;     // hundredths of the bar per stripe
constexpr double kRippleFrequency = 0.2;             // radians per hundredth
constexpr double kRedOffset = 1.0471975511965976;    // pi / 3
constexpr double kGreenOffset = 2.0943951023931953;  // 2 pi / 3
constexpr double kBlueOffset = 3.141592653589793;    // pi

constexpr int kMaxRating = 100;

int Channel(int base, double wave) {
  // The wave's integer part, truncated toward zero.
  const int ripple = static_cast<int>(255.0 * (wave + 1.0) / 2.0);
  return std::clamp(base + ripple, 0, 255);
}

// Read only: the user never sets a rating by hand.
class RatingInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit RatingInterface(RatingBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QString::number(Bar()->Rating());
    return QAccessibleWidget::text(type);
  }

  QVariant currentValue() const override { return Bar()->Rating(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return kMaxRating; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  const RatingBar* Bar() const { return static_cast<const RatingBar*>(object()); }
};

QAccessibleInterface* RatingFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(RatingBar::staticMetaObject.className())) return nullptr;
  return new RatingInterface(static_cast<RatingBar*>(object));
}

}  // namespace

RatingBar::RatingBar(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(RatingFactory);
    return true;
  }();
  (void)installed;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void RatingBar::SetBaseColor(int red, int green, int blue) {
  baseRed_ = red;
  baseGreen_ = green;
  baseBlue_ = blue;
}

void RatingBar::SetRating(int rating, double phase) {
  rating = std::clamp(rating, 0, kMaxRating);
  phase_ = phase;
  currentLevel_ = targetLevel_ - kRestLevel;
  targetLevel_ = rating + kRestLevel;
  // Announced once, at the start of the animation, and even when the rating is the same as
  // before: the user asked for a new rating and hears that it came.
  QAccessibleValueChangeEvent changed(this, rating);
  QAccessible::updateAccessibility(&changed);
}

int RatingBar::Rating() const { return targetLevel_ - kRestLevel; }

int RatingBar::StepAnimation() {
  if (currentLevel_ >= targetLevel_) return 0;
  const int j = static_cast<int>(std::sin(currentLevel_ * kDegreesPerLevel * kDegreesToRadians) *
                                 targetLevel_ * kStepPerTarget);
  phase_ += kPhaseStep;
  currentLevel_ = std::min(currentLevel_ + std::abs(j) + 1, targetLevel_);
  update();
  return 1;
}

int RatingBar::ShownLength() const {
  if (currentLevel_ <= kLegLength) return currentLevel_;
  if (currentLevel_ <= 2 * kLegLength) return 2 * kLegLength - currentLevel_;
  return currentLevel_ - 2 * kLegLength;
}

void RatingBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Black under every device pixel the bar touches, then the outline and the stripes on
  // whole device pixels inside it. Each pixel measure below is in lines, one logical pixel
  // in whole device pixels, so that at every scale the gaps are equal and the stripes differ
  // by at most one device pixel, as they do at 100 %.
  painter.fillRect(rect(), Qt::black);
  const DevicePixels grid(painter, *this);
  const int line = grid.Line();
  const QRect area = grid.Inside(rect());
  const int w = area.width();
  const int h = area.height();

  // The outline runs (0,0) -> (w,0) -> (w,h) -> (0,h) -> (0,0), each line without its end
  // point; the right and bottom lines lie just outside the client area, so only the top row
  // and the left column show.
  painter.fillRect(area.x(), area.y(), w, line, Qt::white);
  painter.fillRect(area.x(), area.y() + line, line, h - line, Qt::white);

  const int shown = ShownLength();
  if (shown < kStripeStride) return;
  const int inset = kInset * line;
  const double span = (w - inset) - inset;
  const int stripeTop = area.y() + kStripeTop * line;
  const int stripeHeight = (h - kStripeBottomGap * line) - kStripeTop * line;
  int left = area.x() + inset + line;
  for (int k = kStripeStride; k <= shown; k += kStripeStride) {
    const int right = area.x() + static_cast<int>(k * 0.01 * span) + inset;  // exclusive
    const double x = kRippleFrequency * k;
    const QColor color(Channel(baseRed_, std::sin(x + phase_ + kRedOffset)),
                       Channel(baseGreen_, std::sin(x + kGreenOffset - phase_)),
                       Channel(baseBlue_, std::sin(x + phase_ + kBlueOffset)));
    if (right > left && stripeHeight > 0) {
      painter.fillRect(left, stripeTop, right - left, stripeHeight, color);
    }
    left = right + line;  // a gap of one line
  }
}

}  // namespace astrivo
