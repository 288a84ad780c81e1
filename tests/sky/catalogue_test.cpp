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
      {{0, 0, 0}, {0, 0, 0}},  {{1, 0, 0}, {1, 0, 0}},    {{0, 5, 0}, {5, 90, 0}},
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
  // The catalogue's sign table in sign-index order: banner picture, width and offset, star
  // count; then centre longitude, latitude, rho and ring radius from
  // tools/reference/sky_reference.py (its own copy of the star table), which round to the
  // values the table prints. An arcsecond's typo in any star moves a centre by more than 1e-9.
  const struct {
    const char* label;
    int bannerPicture;
    double bannerWidth, bannerOffset;
    std::size_t stars;
    double longitude, latitude, rho, ringRadius;
  } references[] = {
      {"Aquarius", 150, 476, 0.0, 7, -28.40049526076302, 6.445926800776614, 4.894474954024796,
       18.81180607295757},
      {"Pisces", 151, 360, 0.0, 3, 13.904188856221296, -0.11831695744414637, 4.719043956041753,
       24.407437010838482},
      {"Aries", 152, 313, 0.5, 3, 30.58818824260459, 10.090016409030403, 4.977698917896675,
       7.548437115170555},
      {"Taurus", 163, 362, 0.0, 15, 63.36853183344456, 1.8901773569909446, 4.958845152162137,
       18.572353306593936},
      {"Gemini", 156, 360, 0.0, 10, 101.21521359940691, -0.33099894770207944, 4.946331501528038,
       13.377799156395211},
      {"Cancer", 158, 365, 0.0, 5, 127.07802933963922, -2.826094782010465, 4.970770855763092,
       7.8569366585106275},
      {"Leo", 157, 193, 0.0, 11, 149.21796046913101, 8.82897441153615, 4.890683611079258,
       20.918394875633684},
      {"Virgo", 162, 311, 0.0, 9, -163.0441507394301, 6.235761527517113, 4.84922873690447,
       21.661076641676686},
      {"Libra", 159, 314, 0.0, 5, -130.91794361256262, 2.932736167812865, 4.962106965666715,
       10.378692649219499},
      {"Scorpio", 153, 422, 0.0, 8, -107.47569371740472, -6.902092281483636, 4.892099519151155,
       17.122185459750362},
      {"Sagittarius", 164, 653, 0.5, 15, -75.02561238788849, -8.257324637858746, 4.911563022368892,
       13.84353479204315},
      {"Capricorn", 161, 539, 1.0, 6, -49.78824828857282, 3.3000157334059987, 4.927676963266373,
       14.158900882144634},
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
    EXPECT_NEAR(sign.Component(1), expected.longitude, 1e-9);
    EXPECT_NEAR(sign.Component(2), expected.latitude, 1e-9);
    EXPECT_NEAR(sign.Component(0), expected.rho, 1e-9);
    EXPECT_NEAR(sign.ringRadius, expected.ringRadius, 1e-9);
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
      {888, 35, 45, -(35 / 60.0 + 45 / 3600.0)},
      {0, 19, 11, 19 / 60.0 + 11 / 3600.0},
      {-15, 49, 15, -(15 + 49 / 60.0 + 15 / 3600.0)},
      {23, 27, 45, 23 + 27 / 60.0 + 45 / 3600.0},
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
    EXPECT_DOUBLE_EQ(star.Component(0), kSkySphereRadius);
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
