// The sign and body drawing routines one at a time, each looked at from a chosen place.
#include "gl_frame.h"
#include "view/gl_body_painter.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using PainterTest = test::GlTest<240>;

const Star* FindStar(const SkyScene& scene, const char* name) {
  for (int i = 0; i < scene.SignCount(); ++i) {
    for (const Star& star : scene.SignAt(i)->stars) {
      if (star.name == name) return &star;
    }
  }
  return nullptr;
}

TEST_F(PainterTest, CoincidentStarsAddTheirGlows) {
  const Star* atlas = FindStar(view_->Scene(), "Atlas");
  const Star* pleione = FindStar(view_->Scene(), "Pleione");
  ASSERT_NE(atlas, nullptr);
  ASSERT_NE(pleione, nullptr);
  // A sign of Atlas and Pleione, which share a place, and one star alone 10 degrees away.
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.stars.push_back(*atlas);
  sign.stars.push_back(*pleione);
  sign.stars.emplace_back("Alone", 0.0, 0.0);
  sign.stars.back().Set(5.0, atlas->Component(1) + 10.0, atlas->Component(2));
  const Vec3 origin;
  const Vec3 pair = SphericalPoint(5.0, atlas->Component(1), atlas->Component(2), origin);
  const Vec3 single = SphericalPoint(5.0, atlas->Component(1) + 10.0, atlas->Component(2), origin);
  Vec3 between = pair;
  between.Add(single).Scale(0.5);
  test::LookAt(*view_, origin, between);
  view_->Renderer().Signs().DrawStars(sign, origin);
  const test::Frame frame;
  const long pairGlow = frame.Brightness(test::Around(test::Project(pair), 4));
  const long singleGlow = frame.Brightness(test::Around(test::Project(single), 4));
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
  const auto draw = [&](const Vec3& eye) {
    test::LookAt(*view_, eye, centre);
    glEnable(GL_CULL_FACE);
    view_->Renderer().Signs().DrawBanner(leo, earth, 30);
    return test::Frame();
  };
  const test::Frame fromOutside = draw(outside);
  const QRect whole(0, 0, fromOutside.Width(), fromOutside.Height());
  EXPECT_GT(fromOutside.Count(whole, test::LetterYellow), 300);
  // Upright and left to right, told by the L: its foot fills the lower quarter of the
  // letters' box from a tenth to a quarter of its width, where the upper quarter is empty.
  // Mirrored, turned or flipped, those columns hold the O or the foot is at the top.
  QRect letters;
  for (int y = 0; y < fromOutside.Height(); ++y) {
    for (int x = 0; x < fromOutside.Width(); ++x) {
      if (test::LetterYellow(fromOutside.At(x, y))) letters |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_GT(letters.width(), 10);
  const int footLeft = letters.left() + letters.width() / 10;
  const QSize quarter(letters.width() * 15 / 100, letters.height() / 4);
  const QRect lower(QPoint(footLeft, letters.top()), quarter);
  const QRect upper(QPoint(footLeft, letters.bottom() + 1 - quarter.height()), quarter);
  EXPECT_GT(fromOutside.Count(lower, test::LetterYellow),
            2 * fromOutside.Count(upper, test::LetterYellow) + 10)
      << "the banner is upside down or mirrored";

  EXPECT_EQ(draw(earth).Count(whole, test::LetterYellow), 0) << "the Earth side is culled";
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
  GlBodyPainter().DrawPlanet(mars);
  const test::Frame frame;
  // Point k (1 = newest) is drawn at 1 - k/n of the colour, the oldest at black. The sight
  // mark's cross covers the first ten points.
  for (int k : {15, 25, 50, 75, 95}) {
    const double f = 1.0 - static_cast<double>(k) / kPoints;
    const auto close = [f](test::Rgb c) {
      return std::abs(c.r - f * 255) <= 8 && std::abs(c.g - f * 127.5) <= 8 &&
             std::abs(c.b - f * 63.75) <= 8;
    };
    const QPoint at = test::Project(*mars.trail.At(k - 1));
    EXPECT_GT(frame.Count(test::Around(at, 1), close), 0) << "point " << k << " should be at " << f;
  }
  EXPECT_LT(frame.Brightness(test::Around(test::Project(*mars.trail.At(kPoints - 1)), 1)), 60);
}

}  // namespace
}  // namespace astrivo
