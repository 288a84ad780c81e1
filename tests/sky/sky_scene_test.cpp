// SkyScene: building without GL, lookups, heading steps, sign selection and the camera.
#include "sky/sky_scene.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace astrivo {
namespace {

TEST(SkySceneTest, BuildsBodiesAndSignsWithoutGl) {
  SkyScene scene;
  EXPECT_EQ(scene.Earth(), nullptr);
  scene.UpdatePlanets(10.0);  // an empty scene does nothing
  scene.ClearTrails();
  for (int pass = 0; pass < 2; ++pass) {  // a second Build starts afresh
    scene.Build();
    ASSERT_EQ(scene.BodyCount(), 6);
    ASSERT_EQ(scene.SignCount(), 12);
  }
  EXPECT_EQ(scene.Earth(), scene.BodyAt(0));
  EXPECT_EQ(scene.BodyAt(0)->name, "EARTH");
  EXPECT_EQ(scene.BodyAt(1)->name, "");
  EXPECT_NE(dynamic_cast<const Sun*>(scene.BodyAt(1)), nullptr);
  EXPECT_EQ(scene.BodyAt(1)->reference, nullptr);
  EXPECT_EQ(scene.BodyAt(5)->name, "JUPITER");
  EXPECT_EQ(scene.BodyAt(2)->reference, scene.Earth());
  EXPECT_EQ(scene.BodyAt(6), nullptr);
  EXPECT_EQ(scene.BodyAt(-1), nullptr);
  EXPECT_EQ(scene.SignAt(0)->label, "Aquarius");
  EXPECT_EQ(scene.SignAt(12), nullptr);
  EXPECT_EQ(scene.SignAt(-1), nullptr);
}

TEST(SkySceneTest, ShowDayMovesLikeUpdatePlanetsAndTrailsClear) {
  SkyScene shown;
  SkyScene updated;
  shown.Build();
  updated.Build();
  for (int day = 1600; day < 1900; ++day) {
    shown.ShowDay(day);
    updated.UpdatePlanets(static_cast<double>(day));
  }
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(shown.BodyAt(k)->DistanceTo(*updated.BodyAt(k)), 0.0);
  }
  EXPECT_EQ(shown.BodyAt(4)->trail.Count(), Trail::kCapacity);
  shown.ClearTrails();
  for (int k = 0; k < 6; ++k) EXPECT_EQ(shown.BodyAt(k)->trail.Count(), 0);
}

struct HeadingCase {
  const char* name;
  int heading;
  int target;
  std::vector<std::pair<bool, int>> steps;  // (returned, heading after the call)
};

class StepHeadingTest : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(StepHeadingTest, MovesTwoDegreesAndLandsOnTheTarget) {
  SkyScene scene;
  scene.heading = GetParam().heading;
  scene.targetHeading = GetParam().target;
  for (const auto& [returned, heading] : GetParam().steps) {
    EXPECT_EQ(scene.StepHeading(), returned);
    EXPECT_EQ(scene.heading, heading);
  }
}

// The first four are the scene's worked examples; the last two sit at the int range's edges.
INSTANTIATE_TEST_SUITE_P(
    Sequences, StepHeadingTest,
    ::testing::Values(
        HeadingCase{"UpToOddTarget", 0, 5, {{true, 2}, {true, 4}, {false, 5}}},
        HeadingCase{"UpToEvenTarget", 0, 4, {{true, 2}, {true, 4}, {false, 4}}},
        HeadingCase{"AlreadyThere", 7, 7, {{false, 7}, {false, 7}}},
        HeadingCase{"DownThroughZero", 10, -3,
                    {{true, 8}, {true, 6}, {true, 4}, {true, 2}, {true, 0}, {true, -2},
                     {false, -3}}},
        HeadingCase{"NearIntMax", INT_MAX - 1, INT_MAX, {{false, INT_MAX}}},
        HeadingCase{"AtIntMin", INT_MIN + 1, INT_MIN, {{false, INT_MIN}, {false, INT_MIN}}}),
    [](const ::testing::TestParamInfo<HeadingCase>& info) { return info.param.name; });

TEST(SkySceneTest, SelectSignTruncatesTowardZero) {
  SkyScene scene;
  scene.Build();
  const std::pair<double, int> cases[] = {{-0.4, 0}, {-45.7, -45}, {130.9, 130}, {-163.04, -163}};
  for (const auto& [longitude, target] : cases) {
    SCOPED_TRACE(longitude);
    scene.SignAt(7)->SetComponent(1, longitude);
    scene.SelectSign(7);
    EXPECT_EQ(scene.targetHeading, target);
  }
  scene.SelectSign(12);  // outside the list: unchanged
  scene.SelectSign(-1);
  EXPECT_EQ(scene.targetHeading, -163);
  EXPECT_EQ(scene.heading, 0);
}

TEST(SkySceneTest, ResizePlacesTheCamera) {
  SkyScene scene;
  scene.Resize(1.0, 15.0);
  EXPECT_EQ(scene.Aspect(), 1.0);
  EXPECT_NEAR(scene.Camera().Component(2), -27.99038105676658, 1e-12);  // -7.5 / tan 15°
  scene.Resize(2.0, 7.5);
  EXPECT_EQ(scene.Aspect(), 2.0);
  EXPECT_NEAR(scene.Camera().Component(2), -27.99038105676658 / 2, 1e-12);
  EXPECT_EQ(scene.Camera().Component(0), 0.0);
  EXPECT_EQ(scene.FieldOfView(), 30.0);
}

}  // namespace
}  // namespace astrivo
