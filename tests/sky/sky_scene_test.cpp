// SkyScene with its bodies and signs: the bodies' table, positions, sights and the signs'
// centres against an independent model, the sight and trail invariants over many days, heading
// steps and sign selection.
#include "sky/sky_scene.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace astrivo {
namespace {

enum Body { kEarth, kSun, kMercury, kVenus, kMars, kJupiter };

class SkySceneTest : public ::testing::Test {
 protected:
  void SetUp() override { scene.Build(); }
  SkyScene scene;
};

TEST_F(SkySceneTest, BodiesInListOrderWithTheirColoursAndSizes) {
  // The solar system's table: name, red, green, blue, drawn radius. The four planets are seen
  // from the Earth; EARTH and the Sun from nowhere.
  const struct {
    const char* name;
    BodyColor color;
    double radius;
  } bodies[] = {
      // clang-format off
      {"EARTH", {0, 1, 1}, 0.15}, {"", {1, 0.5, 0}, 0.25},  {"MERCURY", {0.8f, 0.8f, 1}, 0.1},
      {"VENUS", {0, 1, 0}, 0.15}, {"MARS", {1, 0, 0}, 0.1}, {"JUPITER", {0, 0.5, 1}, 0.2},
      // clang-format on
  };
  ASSERT_EQ(scene.BodyCount(), 6);
  for (int k = kEarth; k <= kJupiter; ++k) {
    const Planet& body = *scene.BodyAt(k);
    const auto& [name, color, radius] = bodies[k];
    EXPECT_EQ(body.name, name);
    EXPECT_TRUE(body.color.red == color.red && body.color.green == color.green &&
                body.color.blue == color.blue && body.radius == radius)
        << name;
    EXPECT_EQ(body.reference, k >= kMercury ? scene.Earth() : nullptr) << name;
  }
  EXPECT_NE(dynamic_cast<const Sun*>(scene.BodyAt(kSun)), nullptr);
}

TEST_F(SkySceneTest, PositionsMatchTheIndependentReference) {
  // From `tools/reference/sky_reference.py bodies DAY` (its own copy of the orbital elements,
  // no shared code), to 11 digits, in list order: EARTH, the Sun, MERCURY, VENUS, MARS and
  // JUPITER. The first and last supported days magnify the per-day rates, so a typo in any
  // element fails. The sights follow from the positions (see the invariants below); the
  // command-line test holds a sight's literal digits.
  const struct {
    std::int64_t day;
    Vec3 bodies[6];
  } cases[] = {
      // clang-format off
      {-36158,  // 1 January 1901
       {{-0.17642813653, 1.0013224343, 0}, {0, 0, 0},
        {-0.22537001856, -0.40378842764, -0.013428642714},
        {-0.63011981522, -0.35181528659, 0.031100072817},
        {-1.0598727808, 1.2646066563, 0.052673764765},
        {-0.62891784108, -5.2381654135, 0.033824904659}}},
      {36525,  // 31 December 2099
       {{-0.17507887451, 1.0014185377, 0}, {0, 0, 0},
        {0.22943777822, -0.36755155452, -0.050774133549},
        {0.68843249079, 0.22544127919, -0.037014771964},
        {0.5878630362, 1.3889762826, 0.014017907231},
        {-5.3526516484, -1.0428669885, 0.1234931085}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    scene.ShowDay(c.day);
    for (int k = kEarth; k <= kJupiter; ++k) {
      EXPECT_NEAR(scene.BodyAt(k)->DistanceTo(c.bodies[k]), 0.0, 1e-9) << c.day << " body " << k;
    }
  }
}

TEST_F(SkySceneTest, EverySignMatchesTheIndependentReference) {
  // In sign-index order: star count, then centre longitude, latitude, rho and ring radius from
  // `tools/reference/sky_reference.py signs` (its own copy of the 97 stars and the placement
  // rules, no shared code), to 12 digits; they round to the values the sign table prints. An
  // arcsecond's typo in any star moves a centre by 1e-5 degrees, a wrong tilt by degrees.
  const struct {
    const char* label;
    std::size_t stars;
    double longitude, latitude, rho, ringRadius;
  } references[] = {
      {"Aquarius", 7, -28.4004952608, 6.44592680078, 4.89447495402, 18.811806073},
      {"Pisces", 3, 13.9041888562, -0.118316957444, 4.71904395604, 24.4074370108},
      {"Aries", 3, 30.5881882426, 10.090016409, 4.9776989179, 7.54843711517},
      {"Taurus", 15, 63.3685318334, 1.89017735699, 4.95884515216, 18.5723533066},
      {"Gemini", 10, 101.215213599, -0.330998947702, 4.94633150153, 13.3777991564},
      {"Cancer", 5, 127.07802934, -2.82609478201, 4.97077085576, 7.85693665851},
      {"Leo", 11, 149.217960469, 8.82897441154, 4.89068361108, 20.9183948756},
      {"Virgo", 9, -163.044150739, 6.23576152752, 4.8492287369, 21.6610766417},
      {"Libra", 5, -130.917943613, 2.93273616781, 4.96210696567, 10.3786926492},
      {"Scorpio", 8, -107.475693717, -6.90209228148, 4.89209951915, 17.1221854598},
      {"Sagittarius", 15, -75.0256123879, -8.25732463786, 4.91156302237, 13.843534792},
      {"Capricorn", 6, -49.7882482886, 3.30001573341, 4.92767696327, 14.1589008821},
  };
  ASSERT_EQ(scene.SignCount(), 12);
  for (int k = 0; k < scene.SignCount(); ++k) {
    const auto& expected = references[k];
    const ZodiacSign& sign = *scene.SignAt(k);
    SCOPED_TRACE(expected.label);
    EXPECT_EQ(sign.label, expected.label);
    EXPECT_EQ(sign.stars.size(), expected.stars);
    EXPECT_NEAR(sign.Component(1), expected.longitude, 1e-8);
    EXPECT_NEAR(sign.Component(2), expected.latitude, 1e-8);
    EXPECT_NEAR(sign.Component(0), expected.rho, 1e-8);
    EXPECT_NEAR(sign.ringRadius, expected.ringRadius, 1e-8);
  }
}

TEST_F(SkySceneTest, SightAndTrailInvariantsOverManyDays) {
  const Planet& mars = *scene.BodyAt(kMars);
  std::vector<Vec3> marsSights;
  for (std::int64_t day = -80000; day <= 80000; day += 397) {
    scene.ShowDay(day);
    marsSights.push_back(mars.sight);
    for (int k = kMercury; k <= kJupiter; ++k) {
      // The sight has length 5 and points from the Earth toward the planet.
      const Planet& planet = *scene.BodyAt(k);
      Vec3 direction(planet.Data());
      direction.Subtract(*scene.Earth()).Scale(5.0 / direction.Length());
      ASSERT_NEAR(direction.DistanceTo(planet.sight), 0.0, 1e-12) << day;
      ASSERT_TRUE(planet.current.meanAnomaly >= 0.0 && planet.current.meanAnomaly < 360.0) << day;
    }
  }
  // The trail keeps the newest 200 sights, newest first; EARTH and the Sun keep none.
  ASSERT_EQ(mars.trail.Count(), Trail::kCapacity);
  EXPECT_EQ(scene.Earth()->trail.Count() + scene.BodyAt(kSun)->trail.Count(), 0);
  for (int k = 0; k < Trail::kCapacity; ++k) {
    EXPECT_EQ(mars.trail.At(k)->DistanceTo(marsSights[marsSights.size() - 1 - k]), 0.0) << k;
  }
  EXPECT_EQ(mars.trail.At(Trail::kCapacity), nullptr);
  scene.ClearTrails();
  EXPECT_EQ(mars.trail.At(0), nullptr);
}

TEST_F(SkySceneTest, HeadingStepsTwoDegreesTowardTheSelectedSign) {
  const struct {
    int heading, target;
    std::vector<int> steps;  // the heading after each call; the last call returns false
  } cases[] = {
      {0, 5, {2, 4, 5}}, {10, -3, {8, 6, 4, 2, 0, -2, -3}}, {INT_MIN + 1, INT_MIN, {INT_MIN}}};
  for (const auto& c : cases) {
    scene.heading = c.heading;
    scene.targetHeading = c.target;
    for (std::size_t k = 0; k < c.steps.size(); ++k) {
      EXPECT_EQ(scene.StepHeading(), k + 1 < c.steps.size()) << c.heading << " step " << k;
      EXPECT_EQ(scene.heading, c.steps[k]) << c.heading << " step " << k;
    }
  }
  // Selecting a sign aims at its centre's longitude truncated toward zero (Pisces' 13.90).
  scene.heading = 0;
  scene.SelectSign(1);
  EXPECT_EQ(scene.targetHeading, 13);
  EXPECT_EQ(scene.heading, 0);  // selecting only sets the target
}

}  // namespace
}  // namespace astrivo
