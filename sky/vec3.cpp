// Vec3: in-place Cartesian/spherical conversion and the polar-angle rotations of the sky model.
#include "sky/vec3.h"

#include <cmath>

#include "sky/angles.h"

namespace astrivo {

Vec3::Vec3(double x, double y, double z) : components_{x, y, z} {}

Vec3::Vec3(const double* xyz) : components_{xyz[0], xyz[1], xyz[2]} {}

Vec3& Vec3::Assign(const double* xyz) { return Set(xyz[0], xyz[1], xyz[2]); }

Vec3& Vec3::Set(double x, double y, double z) {
  components_[0] = x;
  components_[1] = y;
  components_[2] = z;
  return *this;
}

void Vec3::Get(double& x, double& y, double& z) const {
  x = components_[0];
  y = components_[1];
  z = components_[2];
}

double Vec3::Component(int index) const {
  // Out-of-range indices are a caller's slip; read as 0 rather than outside the array.
  return index >= 0 && index < 3 ? components_[index] : 0.0;
}

void Vec3::SetComponent(int index, double value) {
  if (index >= 0 && index < 3) components_[index] = value;
}

double Vec3::Length() const {
  const double* c = components_;
  return std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
}

double Vec3::DistanceTo(const Vec3& other) const {
  const double dx = components_[0] - other.components_[0];
  const double dy = components_[1] - other.components_[1];
  const double dz = components_[2] - other.components_[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double Vec3::Normalize() {
  const double length = Length();
  Divide(length);
  return length;
}

Vec3& Vec3::Scale(double factor) {
  for (double& c : components_) c *= factor;
  return *this;
}

Vec3& Vec3::Divide(double divisor) {
  for (double& c : components_) c /= divisor;
  return *this;
}

Vec3& Vec3::Add(const Vec3& other) {
  for (int i = 0; i < 3; ++i) components_[i] += other.components_[i];
  return *this;
}

Vec3& Vec3::Subtract(const Vec3& other) {
  for (int i = 0; i < 3; ++i) components_[i] -= other.components_[i];
  return *this;
}

void Vec3::SphericalToCartesian() {
  const double r = components_[0];
  const double longitude = components_[1] * kDegreesToRadians;
  const double latitude = components_[2] * kDegreesToRadians;
  components_[0] = r * std::cos(latitude) * std::cos(longitude);
  components_[1] = r * std::cos(latitude) * std::sin(longitude);
  components_[2] = r * std::sin(latitude);
}

void Vec3::CartesianToSpherical() {
  const double x = components_[0];
  const double y = components_[1];
  const double z = components_[2];
  const double planar = std::sqrt(x * x + y * y);
  // atan2(0, 0) is 0, so the origin reads as longitude 0, latitude 0.
  components_[0] = std::sqrt(x * x + y * y + z * z);
  components_[1] = std::atan2(y, x) * kRadiansToDegrees;
  components_[2] = std::atan2(z, planar) * kRadiansToDegrees;
}

namespace {

// Turns the pair (a, b) by degrees through its polar angle, a toward b; the round trip through
// degrees is deliberate, so that results match the model's reference values bit for bit.
void RotatePair(double& a, double& b, double degrees) {
  const double rho = std::sqrt(a * a + b * b);
  const double theta = (std::atan2(b, a) * kRadiansToDegrees + degrees) * kDegreesToRadians;
  a = rho * std::cos(theta);
  b = rho * std::sin(theta);
}

}  // namespace

void Vec3::RotateAboutX(double degrees) { RotatePair(components_[1], components_[2], degrees); }

void Vec3::RotateAboutZ(double degrees) { RotatePair(components_[0], components_[1], degrees); }

void Vec3::LongitudeLatitude(double& longitude, double& latitude) const {
  Vec3 spherical(components_);
  spherical.CartesianToSpherical();
  longitude = spherical.components_[1];
  latitude = spherical.components_[2];
}

}  // namespace astrivo
