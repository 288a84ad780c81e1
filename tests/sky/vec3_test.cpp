// Vec3: the spherical convention, rotations and in-place arithmetic.
#include "sky/vec3.h"

#include <gtest/gtest.h>

namespace astrivo {
namespace {

constexpr double kTolerance = 1e-12;

void ExpectNear(const Vec3& v, double x, double y, double z) {
  EXPECT_NEAR(v.Component(0), x, kTolerance);
  EXPECT_NEAR(v.Component(1), y, kTolerance);
  EXPECT_NEAR(v.Component(2), z, kTolerance);
}

struct SphericalCase {
  const char* name;
  Vec3 cartesian;
  Vec3 spherical;  // radius, longitude, latitude
};

TEST(Vec3Test, CartesianToSphericalConvention) {
  const SphericalCase cases[] = {
      {"origin reads as 0, 0, 0", {0, 0, 0}, {0, 0, 0}},
      {"x axis", {1, 0, 0}, {1, 0, 0}},
      {"y axis", {0, 1, 0}, {1, 90, 0}},
      {"z axis", {0, 0, 1}, {1, 0, 90}},
      {"negative x is +180", {-1, 0, 0}, {1, 180, 0}},
      {"on the sky sphere", {0, 5, 0}, {5, 90, 0}},
      {"below the plane", {0, -2, -2}, {2.8284271247461903, -90, -45}},
  };
  for (const SphericalCase& c : cases) {
    SCOPED_TRACE(c.name);
    Vec3 v = c.cartesian;
    v.CartesianToSpherical();
    ExpectNear(v, c.spherical.Component(0), c.spherical.Component(1), c.spherical.Component(2));
    v.SphericalToCartesian();
    ExpectNear(v, c.cartesian.Component(0), c.cartesian.Component(1), c.cartesian.Component(2));
  }
}

TEST(Vec3Test, RotationsTurnInTheRightHandSense) {
  Vec3 aboutZ(1, 0, 7);
  aboutZ.RotateAboutZ(90);
  ExpectNear(aboutZ, 0, 1, 7);
  Vec3 aboutX(7, 1, 0);
  aboutX.RotateAboutX(90);
  ExpectNear(aboutX, 7, 0, 1);
}

TEST(Vec3Test, RotationsKeepLengthAndUndoEachOther) {
  for (double angle = -720.0; angle <= 720.0; angle += 37.5) {
    SCOPED_TRACE(angle);
    Vec3 v(0.3, -2.0, 1.7);
    const double length = v.Length();
    v.RotateAboutZ(angle);
    v.RotateAboutX(angle);
    EXPECT_NEAR(v.Length(), length, kTolerance);
    v.RotateAboutX(-angle);
    v.RotateAboutZ(-angle);
    ExpectNear(v, 0.3, -2.0, 1.7);
  }
}

TEST(Vec3Test, ArithmeticInPlace) {
  Vec3 v(3, 0, 4);
  EXPECT_DOUBLE_EQ(v.Normalize(), 5.0);
  ExpectNear(v, 0.6, 0, 0.8);
  v.Scale(10).Add(Vec3(1, 1, 1)).Subtract(Vec3(0, 1, 0)).Divide(2);
  ExpectNear(v, 3.5, 0, 4.5);
  EXPECT_DOUBLE_EQ(Vec3(1, 2, 3).DistanceTo(Vec3(4, 6, 3)), 5.0);
}

TEST(Vec3Test, LongitudeLatitudeLeavesTheVectorAlone) {
  const Vec3 v(0, -3, 3);
  double longitude = 0;
  double latitude = 0;
  v.LongitudeLatitude(longitude, latitude);
  EXPECT_NEAR(longitude, -90, kTolerance);
  EXPECT_NEAR(latitude, 45, kTolerance);
  ExpectNear(v, 0, -3, 3);
}

TEST(Vec3Test, ComponentIndexOutsideTheVectorIsIgnored) {
  Vec3 v(1, 2, 3);
  v.SetComponent(3, 9);
  v.SetComponent(-1, 9);
  ExpectNear(v, 1, 2, 3);
  EXPECT_EQ(v.Component(3), 0.0);
  EXPECT_EQ(v.Component(-1), 0.0);
  EXPECT_EQ(v.Data()[2], 3.0);  // contiguous, for the GL vertex calls
}

}  // namespace
}  // namespace astrivo
