// SkyScene and its bodies: the bodies' table, positions and sights against an independent
// model, the sight and trail invariants over many days, heading steps, sign selection and the
// camera.
#include "sky/sky_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  // The solar system's table: name, red, green, blue, drawn radius; EARTH and the Sun see
  // from nowhere, the planets from the Earth.
  const struct {
    const char* name;
    float red, green, blue;
    double radius;
  } bodies[] = {{"EARTH", 0, 1, 1, 0.15}, {"", 1, 0.5, 0, 0.25},  {"MERCURY", 0.8, 0.8, 1, 0.1},
                {"VENUS", 0, 1, 0, 0.15}, {"MARS", 1, 0, 0, 0.1}, {"JUPITER", 0, 0.5, 1, 0.2}};
  ASSERT_EQ(scene.BodyCount(), 6);
  ASSERT_EQ(scene.SignCount(), 12);
  for (int k = kEarth; k <= kJupiter; ++k) {
    const Planet& body = *scene.BodyAt(k);
    SCOPED_TRACE(k);
    EXPECT_EQ(body.name, bodies[k].name);
    EXPECT_EQ(body.colour.red, bodies[k].red);
    EXPECT_EQ(body.colour.green, bodies[k].green);
    EXPECT_EQ(body.colour.blue, bodies[k].blue);
    EXPECT_EQ(body.radius, bodies[k].radius);
    EXPECT_EQ(body.reference, k >= kMercury ? scene.Earth() : nullptr);
  }
  EXPECT_NE(dynamic_cast<const Sun*>(scene.BodyAt(kSun)), nullptr);
  EXPECT_EQ(scene.BodyAt(6), nullptr);
  EXPECT_EQ(scene.SignAt(-1), nullptr);
}

TEST_F(SkySceneTest, PositionsAndSightsMatchTheIndependentReference) {
  // From `tools/reference/sky_reference.py bodies DAY` (its own copy of the orbital elements,
  // no shared code), to 11 digits: EARTH's position, then MERCURY, VENUS, MARS and JUPITER each
  // as position and sight from the Earth. The first and last supported days magnify the
  // per-day rates, so a typo in any element fails. (The command-line test holds day 1629.)
  const struct {
    std::int64_t day;
    Vec3 earth, planets[4][2];
  } cases[] = {
      {-36158,  // 1 January 1901
       {-0.17642813653, 1.0013224343, 0},
       {{{-0.22537001856, -0.40378842764, -0.013428642714},
         {-0.17404316912, -4.9967417929, -0.047753854934}},
        {{-0.63011981522, -0.35181528659, 0.031100072817},
         {-1.5891014822, -4.7395031888, 0.10893118417}},
        {{-1.0598727808, 1.2646066563, 0.052673764765},
         {-4.783931452, 1.4257075171, 0.28523312876}},
        {{-0.62891784108, -5.2381654135, 0.033824904659},
         {-0.36164660083, -4.9868307463, 0.027034121815}}}},
      {36525,  // 31 December 2099
       {-0.17507887451, 1.0014185377, 0},
       {{{0.22943777822, -0.36755155452, -0.050774133549},
         {1.415990594, -4.7920122965, -0.17773235054}},
        {{0.68843249079, 0.22544127919, -0.037014771964},
         {3.7171141922, -3.3403105, -0.15933563786}},
        {{0.5878630362, 1.3889762826, 0.014017907231},
         {4.4572215747, 2.2641707286, 0.081894725752}},
        {{-5.3526516484, -1.0428669885, 0.1234931085},
         {-4.6494765976, -1.8357748172, 0.11089719894}}}},
  };
  for (const auto& c : cases) {
    scene.ShowDay(c.day);
    SCOPED_TRACE(testing::Message() << "day " << c.day);
    EXPECT_NEAR(scene.Earth()->DistanceTo(c.earth), 0.0, 1e-9);
    EXPECT_EQ(scene.Earth()->sight.Length() + scene.BodyAt(kSun)->Length(), 0.0);
    for (int k = kMercury; k <= kJupiter; ++k) {
      EXPECT_NEAR(scene.BodyAt(k)->DistanceTo(c.planets[k - kMercury][0]), 0.0, 1e-9) << k;
      EXPECT_NEAR(scene.BodyAt(k)->sight.DistanceTo(c.planets[k - kMercury][1]), 0.0, 1e-9) << k;
    }
  }
}

TEST_F(SkySceneTest, SightAndTrailInvariantsOverManyDays) {
  const Planet& earth = *scene.Earth();
  const Planet& mars = *scene.BodyAt(kMars);
  std::vector<Vec3> marsSights;
  for (std::int64_t day = -80000; day <= 80000; day += 397) {
    scene.ShowDay(day);
    marsSights.push_back(mars.sight);
    SCOPED_TRACE(day);
    ASSERT_EQ(scene.BodyAt(kSun)->trail.Count() + earth.trail.Count(), 0);
    for (int k = kMercury; k <= kJupiter; ++k) {
      const Planet& planet = *scene.BodyAt(k);
      // The sight has length 5 and points from the Earth toward the planet.
      Vec3 direction(planet.Data());
      direction.Subtract(earth).Scale(5.0 / direction.Length());
      ASSERT_NEAR(direction.DistanceTo(planet.sight), 0.0, 1e-12);
      ASSERT_GE(planet.current.meanAnomaly, 0.0);
      ASSERT_LT(planet.current.meanAnomaly, 360.0);
      ASSERT_EQ(planet.trail.Count(), std::min<int>(marsSights.size(), Trail::kCapacity));
    }
  }
  // The trail keeps the newest 200 sights, newest first.
  for (int k = 0; k < Trail::kCapacity; ++k) {
    ASSERT_NE(mars.trail.At(k), nullptr) << k;
    EXPECT_EQ(mars.trail.At(k)->DistanceTo(marsSights[marsSights.size() - 1 - k]), 0.0) << k;
  }
  EXPECT_EQ(mars.trail.At(Trail::kCapacity), nullptr);
  scene.ClearTrails();
  EXPECT_EQ(mars.trail.Count(), 0);
  EXPECT_EQ(mars.trail.At(0), nullptr);
}

TEST_F(SkySceneTest, HeadingStepsTwoDegreesTowardTheSelectedSign) {
  const struct {
    int heading, target;
    std::vector<std::pair<bool, int>> steps;  // (returned, heading after the call)
  } cases[] = {
      {0, 5, {{true, 2}, {true, 4}, {false, 5}}},
      {7, 7, {{false, 7}}},
      {10, -3, {{true, 8}, {true, 6}, {true, 4}, {true, 2}, {true, 0}, {true, -2}, {false, -3}}},
      {INT_MIN + 1, INT_MIN, {{false, INT_MIN}, {false, INT_MIN}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.heading << " to " << c.target);
    scene.heading = c.heading;
    scene.targetHeading = c.target;
    for (const auto& [returned, heading] : c.steps) {
      EXPECT_EQ(scene.StepHeading(), returned);
      EXPECT_EQ(scene.heading, heading);
    }
  }
  // Selecting a sign aims at its centre's longitude truncated toward zero (Pisces' 13.90).
  scene.heading = 0;
  scene.SelectSign(1);
  EXPECT_EQ(scene.targetHeading, 13);
  scene.SelectSign(12);  // outside the list: unchanged
  EXPECT_EQ(scene.targetHeading, 13);
  EXPECT_EQ(scene.heading, 0);  // selecting only sets the target
}

TEST_F(SkySceneTest, ResizePlacesTheCameraForA30DegreeView) {
  // -(height / 2) / tan(15 degrees), worked by hand.
  scene.Resize(2.0, 15.0);
  EXPECT_EQ(scene.Aspect(), 2.0);
  EXPECT_NEAR(scene.Camera().Component(2), -27.99038105676658, 1e-12);
  EXPECT_EQ(scene.Camera().Component(0), 0.0);
}

}  // namespace
}  // namespace astrivo
