// ZodiacSign: the stars of one constellation and the centre and ring derived from them.
#include "sky/zodiac_sign.h"

#include <cmath>
#include <utility>

#include "sky/angles.h"

namespace astrivo {

ZodiacSign::ZodiacSign(std::string signLabel, double offset, int picture, double width)
    : Vec3(kStarSphereRadius, 0.0, 0.0),
      label(std::move(signLabel)),
      bannerWidth(width),
      bannerOffset(offset),
      bannerPicture(picture) {}

void ZodiacSign::AddStar(std::string name, double rightAscension, double declination) {
  stars.emplace_back(std::move(name), rightAscension, declination);
}

void ZodiacSign::ComputeCentre() {
  // With no stars there is no mean point; the sign keeps its placeholder rather than NaN.
  if (stars.empty()) return;

  Vec3 mean;
  for (const Star& star : stars) {
    Vec3 position(star.Data());
    position.SphericalToCartesian();
    mean.Add(position);
  }
  mean.Divide(static_cast<double>(stars.size()));

  double largest = 0.0;
  for (const Star& star : stars) {
    Vec3 position(star.Data());
    position.SphericalToCartesian();
    const double distance = position.DistanceTo(mean);
    if (distance > largest) largest = distance;
  }
  // The angle the largest distance subtends at the star sphere's radius (0.2 = 1 / 5).
  ringRadius = std::atan2(0.2 * largest, 1.0) * kRadiansToDegrees;

  mean.CartesianToSpherical();
  Assign(mean.Data());
}

}  // namespace astrivo
