// Vec3's conventions and the zodiac catalogue: every sign's reference columns, the
// coordinate conversions and the star placement.
#include "sky/zodiac_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "sky/vec3.h"

namespace astrivo {
namespace {

void ExpectNear(const Vec3& v, const Vec3& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.Component(i), expected.Component(i), 1e-12) << i;
}

TEST(Vec3Test, SphericalConventionAndComponentBounds) {
  // (radius, longitude, latitude) in degrees, longitude in -180..180, the origin as 0, 0, 0.
  // The rotations are pinned by the star placements below.
  const std::pair<Vec3, Vec3> cases[] = {
      {{0, 0, 0}, {0, 0, 0}},   {{1, 0, 0}, {1, 0, 0}},    {{0, 5, 0}, {5, 90, 0}},
      {{0, 0, 1}, {1, 0, 90}}, {{-1, 0, 0}, {1, 180, 0}}, {{0, -2, -2}, {std::sqrt(8.0), -90, -45}},
  };
  for (const auto& [cartesian, spherical] : cases) {
    SCOPED_TRACE(testing::Message() << spherical.Component(1) << ", " << spherical.Component(2));
    Vec3 v = cartesian;
    v.CartesianToSpherical();
    ExpectNear(v, spherical);
    v.SphericalToCartesian();
    ExpectNear(v, cartesian);
    double longitude = 0;
    double latitude = 0;
    cartesian.LongitudeLatitude(longitude, latitude);  // const: reads without converting
    ExpectNear({spherical.Component(0), longitude, latitude}, spherical);
  }
  Vec3 v(1, 2, 3);
  v.SetComponent(3, 9);  // outside the vector: ignored, and read as 0
  v.SetComponent(-1, 9);
  ExpectNear(v, {1, 2, 3});
  EXPECT_EQ(v.Component(3), 0.0);
  EXPECT_EQ(v.Component(-1), 0.0);
}

TEST(ZodiacCatalogueTest, EverySignMatchesTheReferenceColumns) {
  // The reference columns of the catalogue's sign table, in sign-index order: banner picture,
  // width and offset, star count, then centre longitude, latitude (2 decimals), rho
  // (3 decimals) and ring radius (2 decimals) as printed there.
  const struct {
    const char* label;
    int bannerPicture;
    double bannerWidth, bannerOffset;
    std::size_t stars;
    double longitude, latitude, rho, ringRadius;
  } references[] = {
      {"Aquarius", 150, 476, 0.0, 7, -28.40, 6.45, 4.894, 18.81},
      {"Pisces", 151, 360, 0.0, 3, 13.90, -0.12, 4.719, 24.41},
      {"Aries", 152, 313, 0.5, 3, 30.59, 10.09, 4.978, 7.55},
      {"Taurus", 163, 362, 0.0, 15, 63.37, 1.89, 4.959, 18.57},
      {"Gemini", 156, 360, 0.0, 10, 101.22, -0.33, 4.946, 13.38},
      {"Cancer", 158, 365, 0.0, 5, 127.08, -2.83, 4.971, 7.86},
      {"Leo", 157, 193, 0.0, 11, 149.22, 8.83, 4.891, 20.92},
      {"Virgo", 162, 311, 0.0, 9, -163.04, 6.24, 4.849, 21.66},
      {"Libra", 159, 314, 0.0, 5, -130.92, 2.93, 4.962, 10.38},
      {"Scorpio", 153, 422, 0.0, 8, -107.48, -6.90, 4.892, 17.12},
      {"Sagittarius", 164, 653, 0.5, 15, -75.03, -8.26, 4.912, 13.84},
      {"Capricorn", 161, 539, 1.0, 6, -49.79, 3.30, 4.928, 14.16},
  };
  std::vector<std::unique_ptr<ZodiacSign>> signs;
  BuildZodiac(signs);
  ASSERT_EQ(signs.size(), 12u);
  for (std::size_t k = 0; k < signs.size(); ++k) {
    const auto& expected = references[k];
    const ZodiacSign& sign = *signs[k];
    SCOPED_TRACE(expected.label);
    EXPECT_EQ(sign.label, expected.label);
    EXPECT_EQ(sign.bannerPicture, expected.bannerPicture);
    EXPECT_EQ(sign.bannerWidth, expected.bannerWidth);
    EXPECT_EQ(sign.bannerOffset, expected.bannerOffset);
    EXPECT_EQ(sign.bannerTexture, 0u);  // made later by the view, never by the model
    EXPECT_EQ(sign.stars.size(), expected.stars);
    EXPECT_NEAR(sign.Component(1), expected.longitude, 0.005);
    EXPECT_NEAR(sign.Component(2), expected.latitude, 0.005);
    EXPECT_NEAR(sign.Component(0), expected.rho, 0.0005);
    EXPECT_NEAR(sign.ringRadius, expected.ringRadius, 0.005);
  }
  // All 97 stars in table order; Atlas and Pleione share their coordinates and both count.
  const auto& taurus = signs[3]->stars;
  EXPECT_EQ(taurus.front().name, "ALDEBARAN");
  EXPECT_EQ(taurus[13].name, "Atlas");
  EXPECT_EQ(taurus[14].name, "Pleione");
  EXPECT_EQ(taurus[13].DistanceTo(taurus[14]), 0.0);
  EXPECT_EQ(signs[0]->stars.front().name, "Sadelmelik");
  EXPECT_EQ(signs[11]->stars.back().name, "Alshat");
}

TEST(ZodiacConversionTest, CoordinatesAndStarPlacement) {
  // The catalogue's worked examples; 888 is how it writes "-00".
  const struct {
    int degrees, arcminutes, arcseconds;
    double expected;
  } declinations[] = {
      {888, 35, 45, -(35 / 60.0 + 45 / 3600.0)},      {0, 19, 11, 19 / 60.0 + 11 / 3600.0},
      {-15, 49, 15, -(15 + 49 / 60.0 + 15 / 3600.0)}, {23, 27, 45, 23 + 27 / 60.0 + 45 / 3600.0},
  };
  for (const auto& c : declinations) {
    EXPECT_NEAR(DeclinationDegrees(c.degrees, c.arcminutes, c.arcseconds), c.expected, 1e-12)
        << c.degrees;
  }
  EXPECT_NEAR(RightAscensionDegrees(22, 54, 39.0), 343.6625, 1e-12);

  // Star placement on the ecliptic sphere, to the places the catalogue prints.
  const struct {
    double rightAscension, declination, longitude, latitude, tolerance;
  } stars[] = {
      {0, 0, -0.0349, -0.1680, 5e-5},
      {90, 0, 90.0381, -23.4993, 5e-5},
      {90, 90, 89.57879, 66.5, 5e-6},
      {RightAscensionDegrees(4, 35, 55.2), DeclinationDegrees(16, 30, 33), 69.767, -5.582, 5e-4},
  };
  for (const auto& c : stars) {
    SCOPED_TRACE(c.rightAscension);
    const Star star("test", c.rightAscension, c.declination);
    EXPECT_DOUBLE_EQ(star.Component(0), kStarSphereRadius);
    EXPECT_NEAR(star.Component(1), c.longitude, c.tolerance);
    EXPECT_NEAR(star.Component(2), c.latitude, c.tolerance);
  }
}

TEST(ZodiacConversionTest, CentreOfFewStars) {
  ZodiacSign empty("Empty", 0, 0, 0);
  empty.ComputeCentre();
  EXPECT_EQ(empty.Component(0), 5.0);
  EXPECT_EQ(empty.Component(1), 0.0);
  EXPECT_EQ(empty.ringRadius, 0.0);

  ZodiacSign single("Single", 0, 0, 0);
  single.AddStar("only", 30.0, 10.0);
  single.ComputeCentre();
  EXPECT_NEAR(single.Component(0), 5.0, 1e-12);
  EXPECT_NEAR(single.Component(1), single.stars[0].Component(1), 1e-9);
  EXPECT_NEAR(single.Component(2), single.stars[0].Component(2), 1e-9);
  EXPECT_NEAR(single.ringRadius, 0.0, 1e-9);
}

}  // namespace
}  // namespace astrivo
