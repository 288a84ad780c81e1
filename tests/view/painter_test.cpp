// The sign and body drawing routines one at a time, each looked at from a chosen place.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_frame.h"
#include "view/gl_body_painter.h"
#include "view/sky_geometry.h"
#include "view/sky_view.h"

namespace astrivo {
namespace {

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr) GTEST_SKIP() << "run without OpenGL";
    view_ = test::ShownView(240, 240);
    ASSERT_NE(view_, nullptr);
  }
  const Star* Find(const char* name) const {
    for (int i = 0; i < view_->Scene().SignCount(); ++i) {
      for (const Star& star : view_->Scene().SignAt(i)->stars) {
        if (star.name == name) return &star;
      }
    }
    return nullptr;
  }
  std::unique_ptr<SkyView> view_;
};

TEST_F(PainterTest, CoincidentStarsAddTheirGlows) {
  const Star* atlas = Find("Atlas");
  const Star* pleione = Find("Pleione");
  ASSERT_NE(atlas, nullptr);
  ASSERT_NE(pleione, nullptr);
  // A sign of Atlas and Pleione, which share a place, and one star alone 10 degrees away.
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.stars.push_back(*atlas);
  sign.stars.push_back(*pleione);
  sign.stars.emplace_back("Alone", 0.0, 0.0);
  Vec3& alone = sign.stars.back();
  alone.Set(5.0, atlas->Component(1) + 10.0, atlas->Component(2));
  const Vec3 origin;
  const Vec3 pair = SphericalPoint(5.0, atlas->Component(1), atlas->Component(2), origin);
  const Vec3 single = SphericalPoint(5.0, alone.Component(1), alone.Component(2), origin);
  Vec3 between = pair;
  between.Add(single).Scale(0.5);
  test::LookAt(*view_, origin, between);
  view_->Renderer().Signs().DrawStars(sign, origin);
  const test::Frame frame = test::Frame::ReadBack();
  const long pairGlow = frame.Brightness(test::Project(pair), 4);
  const long singleGlow = frame.Brightness(test::Project(single), 4);
  EXPECT_GT(singleGlow, 0);
  // Blending adds and depth writes are off, so the second sprite is not hidden by the
  // first: nearly twice the light (the brightest pixels clip at 255).
  EXPECT_GT(pairGlow, singleGlow * 3 / 2);
}

TEST_F(PainterTest, BannerReadsFromOutsideAndIsCulledFromTheEarth) {
  ZodiacSign& leo = *view_->Scene().SignAt(6);
  ASSERT_EQ(leo.label, "Leo");
  const Vec3 earth;
  const double distance = 1.2 * leo.Component(0) + leo.bannerOffset;
  const Vec3 centre = SphericalPoint(distance, leo.Component(1), leo.Component(2), earth);
  const Vec3 outside = SphericalPoint(distance + 2.5, leo.Component(1), leo.Component(2), earth);
  const auto letterYellow = [](test::Rgb c) {
    return std::abs(c.r - 192) <= 10 && std::abs(c.g - 192) <= 10 && c.b <= 10;
  };
  const auto draw = [&](const Vec3& eye) {
    test::LookAt(*view_, eye, centre);
    glEnable(GL_CULL_FACE);
    view_->Renderer().Signs().DrawBanner(leo, earth, 30);
    return test::Frame::ReadBack();
  };
  const test::Frame fromOutside = draw(outside);
  fromOutside.Keep("banner-outside");
  const QPoint middle(fromOutside.Width() / 2, fromOutside.Height() / 2);
  const int half = fromOutside.Width() / 2 - 1;
  EXPECT_GT(fromOutside.Count(middle, half, letterYellow), 300);
  // Upright and left to right, told by the L: its foot fills the lower quarter of the
  // letters' box just right of the stem, where the upper quarter is empty. Mirrored, turned
  // or flipped, those columns hold the O or the foot is at the top.
  int left = fromOutside.Width();
  int right = 0;
  int bottom = fromOutside.Height();
  int top = 0;
  for (int y = 0; y < fromOutside.Height(); ++y) {
    for (int x = 0; x < fromOutside.Width(); ++x) {
      if (!letterYellow(fromOutside.At(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      bottom = std::min(bottom, y);
      top = std::max(top, y);
    }
  }
  ASSERT_LT(left, right);
  const auto yellowIn = [&](int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y) count += letterYellow(fromOutside.At(x, y)) ? 1 : 0;
    }
    return count;
  };
  const int width = right - left;
  const int height = top - bottom;
  const int footLeft = left + width * 12 / 100;
  const int footRight = left + width * 22 / 100;
  EXPECT_GT(yellowIn(footLeft, footRight, bottom, bottom + height / 4),
            2 * yellowIn(footLeft, footRight, top - height / 4, top) + 10)
      << "the banner is upside down";

  const test::Frame fromEarth = draw(earth);
  EXPECT_EQ(fromEarth.Count(middle, half, letterYellow), 0) << "the Earth side is culled";
}

TEST_F(PainterTest, TrailFadesFromThePlanetColourToBlack) {
  Planet earth;
  Planet mars(&earth, "MARS", 0);
  mars.colour = {1.0f, 0.5f, 0.25f};
  mars.radius = 0.01;
  // 100 points along the ecliptic from longitude 100 (oldest) to 80 (newest).
  constexpr int kPoints = 100;
  for (int i = 0; i < kPoints; ++i) {
    mars.trail.PushFront(SphericalPoint(5.0, 100.0 - 20.0 * i / (kPoints - 1), 0.0, Vec3()));
  }
  mars.sight = *mars.trail.At(0);
  mars.Set(0.0, 30.0, 0.0);  // the sphere is out of sight, behind the camera
  test::LookAt(*view_, Vec3(0, 0, 0), SphericalPoint(5.0, 90.0, 0.0, Vec3()));
  GlBodyPainter painter;
  painter.DrawPlanet(mars);
  const test::Frame frame = test::Frame::ReadBack();
  frame.Keep("trail");
  // Point k (1 = newest) is drawn at 1 - k/n of the colour. The sight mark's cross covers
  // the first ten points.
  for (int k : {15, 25, 50, 75, 95}) {
    const double f = 1.0 - static_cast<double>(k) / kPoints;
    const QPoint at = test::Project(*mars.trail.At(k - 1));
    const auto close = [f](test::Rgb c) {
      return std::abs(c.r - f * 255) <= 8 && std::abs(c.g - f * 127.5) <= 8 &&
             std::abs(c.b - f * 63.75) <= 8;
    };
    EXPECT_GT(frame.Count(at, 1, close), 0) << "point " << k << " should be at " << f;
  }
  const QPoint oldest = test::Project(*mars.trail.At(kPoints - 1));
  EXPECT_LT(frame.Brightness(oldest, 1), 60);
  EXPECT_EQ(glIsEnabled(GL_LIGHTING), GL_FALSE) << "a trail is drawn unlit";
}

}  // namespace
}  // namespace astrivo
