// The sign and body drawing routines one at a time, each looked at from a chosen place.
#include "gl_frame.h"
#include "view/gl_body_painter.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using PainterTest = test::GlTest;

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
  ASSERT_TRUE(atlas != nullptr && pleione != nullptr);
  // A sign of Atlas and Pleione, which share a place, and one star alone 10 degrees away.
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.stars = {*atlas, *pleione, *atlas};
  sign.stars.back().Set(5.0, atlas->Component(1) + 10.0, atlas->Component(2));
  const Vec3 origin;
  const Vec3 pair = SphericalPoint(5.0, atlas->Component(1), atlas->Component(2), origin);
  const Vec3 single = SphericalPoint(5.0, atlas->Component(1) + 10.0, atlas->Component(2), origin);
  Vec3 between = pair;
  test::LookAt(origin, between.Add(single).Scale(0.5));
  view_->Renderer().Signs().DrawStars(sign, origin);
  const QImage frame = test::ReadFrame();
  // The glows cover the same part of the view at any device pixel ratio.
  const int radius = static_cast<int>(8 * view_->devicePixelRatio());
  const long pairGlow = test::Sum(frame, test::Around(test::Project(pair), radius), test::Light);
  const long singleGlow =
      test::Sum(frame, test::Around(test::Project(single), radius), test::Light);
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
    test::LookAt(eye, centre);
    glEnable(GL_CULL_FACE);
    view_->Renderer().Signs().DrawBanner(leo, earth, 30);
    return test::ReadFrame();
  };
  const QImage fromOutside = draw(outside);
  EXPECT_GT(test::Sum(fromOutside, fromOutside.rect(), test::LetterYellow), 2000);
  // Upright and left to right, told by the L: its foot fills the lower quarter of the
  // letters' box from 18 to 28 % of its width, where the upper quarter is empty.
  // Mirrored, turned or flipped, those columns hold the O or the foot is at the top.
  QRect letters;
  for (int y = 0; y < fromOutside.height(); ++y) {
    for (int x = 0; x < fromOutside.width(); ++x) {
      if (test::LetterYellow(fromOutside.pixel(x, y))) letters |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_GT(letters.width(), 20);
  const int footLeft = letters.left() + letters.width() * 18 / 100;
  const QSize quarter(letters.width() / 10, letters.height() / 4);
  const QRect lower(QPoint(footLeft, letters.top()), quarter);
  const QRect upper(QPoint(footLeft, letters.bottom() + 1 - quarter.height()), quarter);
  EXPECT_GT(test::Sum(fromOutside, lower, test::LetterYellow),
            2 * test::Sum(fromOutside, upper, test::LetterYellow) + 40)
      << "the banner is upside down or mirrored";

  const QImage fromEarth = draw(earth);
  EXPECT_EQ(test::Sum(fromEarth, fromEarth.rect(), test::LetterYellow), 0) << "culled inside";
}

TEST_F(PainterTest, TrailFadesFromThePlanetColourToBlack) {
  Planet earth;
  Planet mars(&earth, "MARS", 0);
  mars.color = {1.0f, 0.5f, 0.25f};
  mars.radius = 0.01;
  // 100 points along the ecliptic from longitude 100 (oldest) to 80 (newest).
  constexpr int kPoints = 100;
  for (int i = 0; i < kPoints; ++i) {
    mars.trail.PushFront(SphericalPoint(5.0, 100.0 - 20.0 * i / (kPoints - 1), 0.0, Vec3()));
  }
  mars.sight = *mars.trail.At(0);
  mars.Set(0.0, 30.0, 0.0);  // the sphere is out of sight, behind the camera
  test::LookAt(Vec3(0, 0, 0), SphericalPoint(5.0, 90.0, 0.0, Vec3()));
  GlBodyPainter().DrawPlanet(mars);
  const QImage frame = test::ReadFrame();
  // Point k (1 = newest) is drawn at 1 - k/n of the colour, the oldest at black. The sight
  // mark's cross covers the first ten points.
  for (int k : {15, 25, 50, 75, 95}) {
    const double f = 1.0 - static_cast<double>(k) / kPoints;
    const auto close = [f](QRgb c) {
      return std::abs(qRed(c) - f * 255) <= 8 && std::abs(qGreen(c) - f * 127.5) <= 8 &&
             std::abs(qBlue(c) - f * 63.75) <= 8;
    };
    const QRect at = test::Around(test::Project(*mars.trail.At(k - 1)), 1);
    EXPECT_GT(test::Sum(frame, at, close), 0) << "point " << k << " should be at " << f;
  }
  const QPoint oldest = test::Project(*mars.trail.At(kPoints - 1));
  EXPECT_LT(test::Sum(frame, test::Around(oldest, 1), test::Light), 60);
}

// Run at device pixel ratios 1, 1.5, 2 and 3 (see CMakeLists.txt): a trail is 2 pixels and
// a ring 1 pixel wide at 100 % (its 0.5 unsmoothed is drawn as 1), so r times that in
// device pixels at ratio r. Both are drawn near-horizontal and measured down one column.
TEST_F(PainterTest, LinesKeepTheirWidthAtAnyPixelRatio) {
  const double ratio = view_->devicePixelRatio();
  Planet earth;
  Planet body(&earth, "TEST", 0);
  body.color = {1.0f, 1.0f, 1.0f};
  body.radius = 0.01;
  constexpr int kPoints = 100;  // longitude 60 (oldest) to 120 (newest) along the ecliptic
  for (int i = 0; i < kPoints; ++i) {
    body.trail.PushFront(SphericalPoint(5.0, 60.0 + 60.0 * i / (kPoints - 1), 0.0, Vec3()));
  }
  body.sight = SphericalPoint(5.0, 170.0, 0.0, Vec3());  // the sight mark out of view
  body.Set(0.0, 30.0, 0.0);
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.Set(5.0, 90.0, -4.0);
  sign.ringRadius = 2.0;  // its top, latitude -2, lies below the trail
  test::LookAt(Vec3(), SphericalPoint(5.0, 90.0, -1.0, Vec3()));
  view_->Renderer().Bodies().DrawPlanet(body);
  view_->Renderer().Signs().DrawRing(sign, Vec3());
  const QImage frame = test::ReadFrame();
  const auto thickness = [&](const Vec3& point, auto lit) {
    const QPoint at = test::Project(point);
    const int reach = static_cast<int>(6 * ratio);
    return test::Sum(frame, QRect(at.x(), at.y() - reach, 1, 2 * reach + 1), lit);
  };
  // The trail at longitude 100 is at two thirds of its colour; the ring is grey.
  const long trail = thickness(SphericalPoint(5.0, 100.0, 0.0, Vec3()),
                               [](QRgb c) { return test::Light(c) > 150; });
  const long ring = thickness(SphericalPoint(5.0, 90.0, -2.0, Vec3()), [](QRgb c) {
    return qRed(c) == qGreen(c) && std::abs(qRed(c) - 128) <= 2;
  });
  EXPECT_GE(trail, std::floor(2 * ratio)) << "ratio " << ratio;
  EXPECT_LE(trail, std::ceil(2 * ratio) + 1) << "ratio " << ratio;
  EXPECT_GE(ring, std::floor(ratio)) << "ratio " << ratio;
  EXPECT_LE(ring, std::ceil(ratio) + 1) << "ratio " << ratio;
}

}  // namespace
}  // namespace astrivo
