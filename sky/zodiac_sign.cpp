// ZodiacSign: the stars of one constellation and the centre and ring derived from them.
#include "sky/zodiac_sign.h"

#include <cmath>
#include <utility>

#include "sky/angles.h"

namespace astrivo {
namespace {

constexpr double kReciprocalSkyRadius = 0.2;  // 1 / kSkySphereRadius
static_assert(kReciprocalSkyRadius * kSkySphereRadius == 1.0);

}  // namespace

ZodiacSign::ZodiacSign(std::string signLabel, double offset, int picture, double width)
    : Vec3(kSkySphereRadius, 0.0, 0.0),
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
  // The angle the largest distance subtends at the sky sphere's radius. Multiplied by the
  // reciprocal rather than divided by the radius: the ring sizes depend on that rounding.
  ringRadius = std::atan2(kReciprocalSkyRadius * largest, 1.0) * kRadiansToDegrees;

  mean.CartesianToSpherical();
  Assign(mean.Data());
}

}  // namespace astrivo
