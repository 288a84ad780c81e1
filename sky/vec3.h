// Three contiguous doubles, read as Cartesian (x, y, z) or spherical (radius, longitude,
// latitude in degrees); the base of every object placed in the scene.
#pragma once

namespace astrivo {

class Vec3 {
 public:
  Vec3() = default;
  Vec3(double x, double y, double z);
  explicit Vec3(const double* xyz);

  Vec3& Assign(const double* xyz);
  Vec3& Set(double x, double y, double z);
  void Get(double& x, double& y, double& z) const;
  double Component(int index) const;  // index 0, 1 or 2
  void SetComponent(int index, double value);
  // The components are contiguous, so Data() can go straight to glVertex3dv / glNormal3dv.
  const double* Data() const { return components_; }
  double* Data() { return components_; }

  double Length() const;
  double DistanceTo(const Vec3& other) const;
  // Divides by the current length and returns it; the zero vector yields NaN components.
  double Normalize();
  Vec3& Scale(double factor);
  Vec3& Divide(double divisor);
  Vec3& Add(const Vec3& other);
  Vec3& Subtract(const Vec3& other);

  // In place: (radius, longitude°, latitude°) <-> (x, y, z). Longitude is atan2(y, x) in
  // -180..180 and latitude atan2(z, hypot(x, y)); the origin reads as (0, 0, 0).
  void SphericalToCartesian();
  void CartesianToSpherical();
  // Right-handed turns by degrees: about Z turns x toward y, about X turns y toward z.
  void RotateAboutX(double degrees);
  void RotateAboutZ(double degrees);
  // Longitude and latitude in degrees of this vector read as Cartesian; the vector is unchanged.
  void LongitudeLatitude(double& longitude, double& latitude) const;

 private:
  double components_[3] = {0.0, 0.0, 0.0};
};

}  // namespace astrivo
