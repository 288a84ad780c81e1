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

void ExpectNearTo(const Vec3& v, const Vec3& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.Component(i), expected.Component(i), 5e-5) << i;
}

class SkySceneTest : public ::testing::Test {
 protected:
  void SetUp() override { scene.Build(); }
  SkyScene scene;
};

TEST_F(SkySceneTest, DayZeroPositions) {
  // Reference positions of the orbit model's design, quoted there to four places.
  scene.UpdatePlanets(0.0);
  ExpectNearTo(*scene.BodyAt(kEarth), {-0.1611, 1.0038, 0.0});
  ExpectNearTo(*scene.BodyAt(kMars), {1.3894, -0.0365, -0.0349});
  double longitude = 0;
  double latitude = 0;
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
