// Planet and Trail: day-0 positions, the sight and trail invariants over many days.
#include "sky/planet.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sky/solar_system.h"

namespace astrivo {
namespace {

enum Body { kEarth, kSun, kMercury, kVenus, kMars, kJupiter };

class PlanetTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildSolarSystem(bodies); }
  void UpdateAll(double day) {
    for (auto& body : bodies) body->UpdatePosition(day);
  }
  std::vector<std::unique_ptr<Planet>> bodies;
};

TEST_F(PlanetTest, DayZeroPositions) {
  // Reference positions of the orbit model's design, quoted there to four places.
  UpdateAll(0.0);
  const Planet& earth = *bodies[kEarth];
  EXPECT_NEAR(earth.Component(0), -0.1611, 5e-5);
  EXPECT_NEAR(earth.Component(1), 1.0038, 5e-5);
  EXPECT_NEAR(earth.Component(2), 0.0, 5e-5);
  double longitude = 0;
  double latitude = 0;
  earth.LongitudeLatitude(longitude, latitude);
  EXPECT_NEAR(longitude, 99.12, 5e-3);
  const Planet& mars = *bodies[kMars];
  EXPECT_NEAR(mars.Component(0), 1.3894, 5e-5);
  EXPECT_NEAR(mars.Component(1), -0.0365, 5e-5);
  EXPECT_NEAR(mars.Component(2), -0.0349, 5e-5);
}

TEST_F(PlanetTest, SightAndTrailInvariantsOverManyDays) {
  int updates = 0;
  for (double day = -80000.0; day <= 80000.0; day += 397.0, ++updates) {
    UpdateAll(day);
    SCOPED_TRACE(day);
    EXPECT_EQ(bodies[kSun]->Length(), 0.0);
    EXPECT_EQ(bodies[kSun]->trail.Count(), 0);
    EXPECT_EQ(bodies[kEarth]->sight.Length(), 0.0);
    EXPECT_EQ(bodies[kEarth]->trail.Count(), 0);
    for (int k = kMercury; k <= kJupiter; ++k) {
      const Planet& planet = *bodies[k];
      EXPECT_NEAR(planet.sight.Length(), Planet::kSightRadius, 1e-12);
      // The sight points from the Earth toward the planet.
      Vec3 direction(planet.Data());
      direction.Subtract(*bodies[kEarth]).Normalize();
      EXPECT_NEAR(direction.DistanceTo(Vec3(planet.sight.Data()).Scale(0.2)), 0.0, 1e-12);
      EXPECT_GE(planet.current.meanAnomaly, 0.0);
      EXPECT_LT(planet.current.meanAnomaly, 360.0);
      EXPECT_EQ(planet.trail.Count(), std::min(updates + 1, Trail::kCapacity));
    }
  }
}

TEST_F(PlanetTest, TrailKeepsTheNewest200NewestFirst) {
  Planet& mars = *bodies[kMars];
  std::vector<Vec3> sights;
  for (int day = 0; day < 201; ++day) {
    UpdateAll(day);
    sights.push_back(mars.sight);
  }
  ASSERT_EQ(mars.trail.Count(), 200);
  for (int k = 0; k < 200; ++k) {
    SCOPED_TRACE(k);
    ASSERT_NE(mars.trail.At(k), nullptr);
    EXPECT_EQ(mars.trail.At(k)->DistanceTo(sights[200 - k]), 0.0);
  }
  EXPECT_EQ(mars.trail.At(200), nullptr);
  EXPECT_EQ(mars.trail.At(-1), nullptr);

  mars.ClearTrail();
  EXPECT_EQ(mars.trail.Count(), 0);
  EXPECT_EQ(mars.trail.At(0), nullptr);
  mars.ClearTrail();
  EXPECT_EQ(mars.trail.Count(), 0);
  EXPECT_GT(mars.sight.Length(), 0.0);  // clearing the trail keeps the sight
}

}  // namespace
}  // namespace astrivo
