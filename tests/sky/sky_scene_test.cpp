// SkyScene and its bodies: building without GL, day-0 positions, the sight and trail
// invariants over many days, lookups, heading steps, sign selection and the camera.
#include "sky/sky_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

namespace astrivo {
namespace {

enum Body { kEarth, kSun, kMercury, kVenus, kMars, kJupiter };

void ExpectNearTo(const Vec3& v, const Vec3& expected, double tolerance) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.Component(i), expected.Component(i), tolerance) << i;
}

class SkySceneTest : public ::testing::Test {
 protected:
  void SetUp() override { scene.Build(); }
  SkyScene scene;
};

TEST_F(SkySceneTest, PositionsAndSightsMatchTheIndependentReference) {
  // Heliocentric positions and sights from the Earth of EARTH, the Sun, MERCURY, VENUS, MARS
  // and JUPITER, from tools/reference/sky_reference.py (its own copy of the orbital elements,
  // no shared code). Far days magnify the per-day rates, so a typo in any element fails.
  struct PositionAndSight {
    Vec3 position, sight;
  };
  const struct {
    std::int64_t day;
    PositionAndSight bodies[6];
  } cases[] = {
      {-36158,  // 1 January 1901
       {{{-0.17642813652582248, 1.0013224343238207, 0.0}, {0.0, 0.0, 0.0}},
        {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {{-0.225370018558573, -0.4037884276427301, -0.013428642713716743},
         {-0.17404316911516848, -4.996741792870955, -0.04775385493444275}},
        {{-0.630119815216016, -0.35181528658505934, 0.031100072816720822},
         {-1.589101482169898, -4.739503188782591, 0.10893118417186223}},
        {{-1.059872780756071, 1.2646066562788876, 0.05267376476505354},
         {-4.783931452047218, 1.425707517120176, 0.28523312875685014}},
        {{-0.6289178410807291, -5.2381654135051, 0.03382490465869901},
         {-0.36164660082629485, -4.986830746312578, 0.027034121815268063}}}},
      {0,  // 31 December 1999
       {{{-0.1610869324178575, 1.0038276703181908, 0.0}, {0.0, 0.0, 0.0}},
        {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {{-0.16215363787326412, -0.4359678295728081, -0.020729296942091257},
         {-0.0037039795723751677, -4.999480496667202, -0.0719794691534}},
        {{-0.7188723732904356, -0.0022460770200610205, 0.04146308203579391},
         {-2.4228393739428515, -4.3700586453603565, 0.1801022048266279}},
        {{1.3894281603726857, -0.03651388163933339, -0.034914278118116274},
         {4.151270291155785, -2.785357586892954, -0.09347771341460018}},
        {{4.005369368643053, 2.93530078646838, -0.10170655384009038},
         {4.535160024622414, 2.1023956648163495, -0.11070690867446153}}}},
      {1629,  // 16 June 2004
       {{{-0.10304224001207526, -0.9787673850086932, -0.0}, {0.0, 0.0, 0.0}},
        {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {{0.10620862681064552, 0.2887307960909138, 0.013804662612111072},
         {0.8143775716096735, 4.932940572323096, 0.05372597870510312}},
        {{4.556214856296886e-05, -0.7269097664420694, -0.009907265896076541},
         {1.8927781705532396, 4.624316286883174, -0.18190567870230906}},
        {{-1.1234679226861257, 1.210240273793902, 0.05296138106257195},
         {-2.1120302921192566, 4.53070768755721, 0.10961703827710569}},
        {{-5.377515712811072, 0.770699592070492, 0.11704954360877204},
         {-4.744704764973485, 1.5737503174712995, 0.10529307430639089}}}},
      {9862,  // 1 January 2027
       {{{-0.1690415930240275, 1.00250710540276, 0.0}, {0.0, 0.0, 0.0}},
        {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {{0.05025758088135532, -0.4558062072662817, -0.04163693737619322},
         {0.7432369921437476, -4.942437223128631, -0.14111367382948378}},
        {{-0.551513650273676, 0.4589291037051483, 0.0380276911602769},
         {-2.8725388367533005, -4.082517640398358, 0.2856052296093741}},
        {{-1.0220935705452217, 1.2891487134961388, 0.05208481207955968},
         {-4.731665771396584, 1.58992924395374, 0.28890141400598635}},
        {{-4.010691566398988, 3.517363127346422, 0.07465159854352184},
         {-4.182794369251624, 2.7381790847600946, 0.08128077472116924}}}},
      {36525,  // 31 December 2099
       {{{-0.1750788745109884, 1.0014185376951752, 0.0}, {0.0, 0.0, 0.0}},
        {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {{0.22943777821642553, -0.3675515545187221, -0.05077413354947596},
         {1.4159905939624486, -4.792012296455495, -0.17773235054206413}},
        {{0.6884324907918135, 0.22544127918879117, -0.037014771964399985},
         {3.7171141922018074, -3.340310500034332, -0.15933563786011967}},
        {{0.5878630361989671, 1.3889762825649365, 0.014017907231085256},
         {4.457221574658249, 2.2641707286101727, 0.0818947257515444}},
        {{-5.352651648434637, -1.0428669884537551, 0.12349310850291835},
         {-4.649476597612435, -1.8357748172150439, 0.11089719894281862}}}},
  };
  for (const auto& c : cases) {
    scene.ShowDay(c.day);
    for (int k = kEarth; k <= kJupiter; ++k) {
      SCOPED_TRACE(testing::Message() << "day " << c.day << ", body " << k);
      ExpectNearTo(*scene.BodyAt(k), c.bodies[k].position, 1e-12);
      ExpectNearTo(scene.BodyAt(k)->sight, c.bodies[k].sight, 1e-12);
    }
  }
  double longitude = 0;  // the orbit model's own worked value for day 0 is 99.12 degrees
  double latitude = 0;
  scene.ShowDay(0);
  scene.Earth()->LongitudeLatitude(longitude, latitude);
  EXPECT_NEAR(longitude, 99.12, 5e-3);
}

TEST_F(SkySceneTest, SightAndTrailInvariantsOverManyDays) {
  const Planet& earth = *scene.Earth();
  const Planet& mars = *scene.BodyAt(kMars);
  std::vector<Vec3> marsSights;
  for (double day = -80000.0; day <= 80000.0; day += 397.0) {
    scene.ShowDay(static_cast<std::int64_t>(day));
    marsSights.push_back(mars.sight);
    SCOPED_TRACE(day);
    ASSERT_EQ(scene.BodyAt(kSun)->Length(), 0.0);
    ASSERT_EQ(scene.BodyAt(kSun)->trail.Count() + earth.trail.Count(), 0);
    ASSERT_EQ(earth.sight.Length(), 0.0);
    for (int k = kMercury; k <= kJupiter; ++k) {
      const Planet& planet = *scene.BodyAt(k);
      // The sight has length 5 and points from the Earth toward the planet.
      ASSERT_NEAR(planet.sight.Length(), 5.0, 1e-12);
      Vec3 direction(planet.Data());
      direction.Subtract(earth).Normalize();
      ASSERT_NEAR(direction.DistanceTo(Vec3(planet.sight.Data()).Scale(0.2)), 0.0, 1e-12);
      ASSERT_GE(planet.current.meanAnomaly, 0.0);
      ASSERT_LT(planet.current.meanAnomaly, 360.0);
      ASSERT_EQ(planet.trail.Count(), std::min<int>(marsSights.size(), Trail::kCapacity));
    }
  }
  // The trail keeps the newest 200 sights, newest first; clearing it keeps the sight.
  for (int k = 0; k < Trail::kCapacity; ++k) {
    ASSERT_NE(mars.trail.At(k), nullptr) << k;
    EXPECT_EQ(mars.trail.At(k)->DistanceTo(marsSights[marsSights.size() - 1 - k]), 0.0) << k;
  }
  EXPECT_EQ(mars.trail.At(Trail::kCapacity), nullptr);
  EXPECT_EQ(mars.trail.At(-1), nullptr);
  scene.ClearTrails();
  for (int k = kEarth; k <= kJupiter; ++k) EXPECT_EQ(scene.BodyAt(k)->trail.Count(), 0);
  EXPECT_EQ(mars.trail.At(0), nullptr);
  EXPECT_GT(mars.sight.Length(), 0.0);
}

TEST_F(SkySceneTest, BuildsBodiesAndSignsWithoutGl) {
  SkyScene empty;
  EXPECT_EQ(empty.Earth(), nullptr);
  empty.UpdatePlanets(10.0);  // an empty scene does nothing
  scene.Build();              // a second Build starts afresh
  ASSERT_EQ(scene.BodyCount(), 6);
  ASSERT_EQ(scene.SignCount(), 12);
  EXPECT_EQ(scene.Earth(), scene.BodyAt(kEarth));
  EXPECT_EQ(scene.BodyAt(kEarth)->name, "EARTH");
  EXPECT_NE(dynamic_cast<const Sun*>(scene.BodyAt(kSun)), nullptr);
  EXPECT_EQ(scene.BodyAt(kSun)->reference, nullptr);
  EXPECT_EQ(scene.BodyAt(kMercury)->reference, scene.Earth());
  EXPECT_EQ(scene.BodyAt(kJupiter)->name, "JUPITER");
  EXPECT_EQ(scene.SignAt(0)->label, "Aquarius");
  for (int outside : {-1, 6, INT_MAX}) EXPECT_EQ(scene.BodyAt(outside), nullptr) << outside;
  for (int outside : {-1, 12, INT_MIN}) EXPECT_EQ(scene.SignAt(outside), nullptr) << outside;
}

TEST_F(SkySceneTest, StepHeadingSequences) {
  // The first four are the scene's worked examples; the last two sit at the int range's edges.
  const struct {
    int heading, target;
    std::vector<std::pair<bool, int>> steps;  // (returned, heading after the call)
  } cases[] = {
      {0, 5, {{true, 2}, {true, 4}, {false, 5}}},
      {0, 4, {{true, 2}, {true, 4}, {false, 4}}},
      {7, 7, {{false, 7}, {false, 7}}},
      {10, -3, {{true, 8}, {true, 6}, {true, 4}, {true, 2}, {true, 0}, {true, -2}, {false, -3}}},
      {INT_MAX - 1, INT_MAX, {{false, INT_MAX}}},
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
}

TEST_F(SkySceneTest, SelectSignTruncatesTowardZero) {
  const std::pair<double, int> cases[] = {{-0.4, 0}, {-45.7, -45}, {130.9, 130}, {-163.04, -163}};
  for (const auto& [longitude, target] : cases) {
    scene.SignAt(7)->SetComponent(1, longitude);
    scene.SelectSign(7);
    EXPECT_EQ(scene.targetHeading, target) << longitude;
  }
  scene.SelectSign(12);  // outside the list: unchanged
  scene.SelectSign(-1);
  EXPECT_EQ(scene.targetHeading, -163);
  EXPECT_EQ(scene.heading, 0);  // selecting only sets the target
}

TEST_F(SkySceneTest, ResizePlacesTheCamera) {
  // The camera sits at -(height / 2) / tan(15°) on z for the 30° field of view.
  scene.Resize(1.0, 15.0);
  EXPECT_EQ(scene.Aspect(), 1.0);
  EXPECT_NEAR(scene.Camera().Component(2), -27.99038105676658, 1e-12);
  scene.Resize(2.0, 7.5);
  EXPECT_EQ(scene.Aspect(), 2.0);
  EXPECT_NEAR(scene.Camera().Component(2), -27.99038105676658 / 2, 1e-12);
  EXPECT_EQ(scene.Camera().Component(0), 0.0);
  EXPECT_EQ(scene.FieldOfView(), 30.0);
}

}  // namespace
}  // namespace astrivo
