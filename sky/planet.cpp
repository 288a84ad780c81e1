// The orbit model: mean elements drifting linearly with the day number, one step of Kepler's
// equation, and the sight direction from the reference body with its trail.
#include "sky/planet.h"

#include <cmath>
#include <utility>

#include "sky/angles.h"

namespace astrivo {

namespace {

double At(const DriftingElement& element, double dayNumber) {
  return element.atEpoch + element.perDay * dayNumber;
}

}  // namespace

Planet::Planet(const Planet* referenceBody, std::string bodyName, int picture)
    : pictureId(picture), name(std::move(bodyName)), reference(referenceBody) {}

void Planet::UpdatePosition(double dayNumber) {
  current.node = At(elements.node, dayNumber);
  current.inclination = At(elements.inclination, dayNumber);
  current.perihelion = At(elements.perihelion, dayNumber);
  current.eccentricity = At(elements.eccentricity, dayNumber);
  // fmod keeps the dividend's sign, so a day before the epoch can leave M below 0.
  double meanAnomaly = std::fmod(At(elements.meanAnomaly, dayNumber), 360.0);
  if (meanAnomaly < 0.0) meanAnomaly += 360.0;
  current.meanAnomaly = meanAnomaly;

  const double e = current.eccentricity;
  const double a = elements.semiMajorAxis;
  const double m = meanAnomaly * kDegreesToRadians;
  // One step of Kepler's equation, no iteration: the model's positions are defined by it.
  const double eccentricAnomaly =
      (meanAnomaly + e * kRadiansToDegrees * std::sin(m) * (1.0 + e * std::cos(m))) *
      kDegreesToRadians;
  const double xv = a * (std::cos(eccentricAnomaly) - e);
  const double yv = a * std::sqrt(1.0 - e * e) * std::sin(eccentricAnomaly);
  const double trueAnomaly = std::atan2(yv, xv) * kRadiansToDegrees;
  const double r = std::sqrt(xv * xv + yv * yv);

  const double u = (trueAnomaly + current.perihelion) * kDegreesToRadians;
  const double node = current.node * kDegreesToRadians;
  const double inclination = current.inclination * kDegreesToRadians;
  Set(r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inclination)),
      r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inclination)),
      r * std::sin(u) * std::sin(inclination));

  if (reference != nullptr) {
    sight.Assign(Data()).Subtract(*reference);
    sight.Normalize();
    sight.Scale(kSkySphereRadius);
    trail.PushFront(sight);
  }
}

}  // namespace astrivo
