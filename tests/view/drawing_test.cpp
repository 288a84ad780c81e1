// The sky's drawing read back pixel by pixel from a real context: each planet lit by the Sun
// alone, the Sun's glow, the sight mark, the trail's fade and width, star sprites, then the
// whole frame at a known day and the state it leaves behind.
#include <vector>

#include "gl_frame.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using DrawingTest = test::GlTest;

// The frame's two lights: light 1 a point light at the Sun (the origin here), light 2 a dim
// directional light from the viewer's upper right. Set with the matrices the draw will use.
void SetLights() {
  const GLfloat dim[4] = {0.3f, 0.3f, 0.3f, 1.0f}, white[4] = {1, 1, 1, 1}, atSun[4] = {0, 0, 0, 1};
  const GLfloat fromViewer[4] = {1.0f, 1.0f, 1.0f, 0.0f};
  glLightfv(GL_LIGHT1, GL_AMBIENT, dim);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT1, GL_POSITION, atSun);
  glPushMatrix();
  glLoadIdentity();  // fixed to the viewer
  glLightfv(GL_LIGHT2, GL_DIFFUSE, dim);
  glLightfv(GL_LIGHT2, GL_POSITION, fromViewer);
  glPopMatrix();
  glEnable(GL_LIGHT1);
  glEnable(GL_LIGHT2);
}

// Whether the frame's middle pixel is `rgb` to within `tolerance` in every channel.
testing::AssertionResult CentreIs(const int (&rgb)[3], int tolerance) {
  const QImage frame = test::ReadFrame();
  const QRgb c = frame.pixel(frame.width() / 2, frame.height() / 2);
  const bool near = std::abs(qRed(c) - rgb[0]) <= tolerance &&
                    std::abs(qGreen(c) - rgb[1]) <= tolerance &&
                    std::abs(qBlue(c) - rgb[2]) <= tolerance;
  return (near ? testing::AssertionSuccess() : testing::AssertionFailure())
         << qRed(c) << "," << qGreen(c) << "," << qBlue(c);
}

// Each planet of the scene as a sphere of radius 1 at 4 units from the Sun, drawn right after
// the Sun (as the frame draws them). Seen from the Sun, the middle of the sphere takes 0.2
// (GL's global ambient) + 0.3 (light 1's ambient) + about 0.98 of light 1's diffuse (the
// smooth normals nearest the middle lean 6 and 9 degrees): 1.48 times the colour. Seen from
// behind, light 1 cannot reach it: 0.5 times the colour. Light 2 would add 0.17 times the
// colour there, a glow left on from the Sun (0.9, 0.4, 0) more. The colours are the bodies'
// table: EARTH (0, 1, 1), MERCURY (0.8, 0.8, 1), VENUS (0, 1, 0), MARS (1, 0, 0), JUPITER
// (0, 0.5, 1). Then the Sun face on: emission (0.9, 0.4, 0) + global ambient 0.2 + light 2's
// 0.3 at about 0.58 (its direction against the normal), red clipped; light 1's ambient would
// add 0.3 to green and blue.
TEST_F(DrawingTest, EachPlanetLitByTheSunAloneAndTheSunByItsGlow) {
  const struct {
    int index;    // in the scene's body list
    int lit[3];   // 1.48 x colour x 255, clipped
    int dark[3];  // 0.5 x colour x 255
  } cases[] = {
      // clang-format off
      {0, {0, 255, 255}, {0, 128, 128}}, {2, {255, 255, 255}, {102, 102, 128}},
      {3, {0, 255, 0}, {0, 128, 0}},     {4, {255, 0, 0}, {128, 0, 0}},
      {5, {0, 189, 255}, {0, 64, 128}},
      // clang-format on
  };
  GlBodyPainter& painter = view_->Renderer().Bodies();
  Sun sun;
  sun.radius = 0.25;
  for (const auto& c : cases) {
    const Planet& body = *view_->Scene().BodyAt(c.index);
    Planet probe;
    probe.color = body.color;
    probe.radius = 1.0;
    probe.Set(0.0, 4.0, 0.0);
    for (bool fromSun : {true, false}) {
      test::LookAt(Vec3(0.0, fromSun ? 0.5 : 8.0, 0.0), probe);
      SetLights();
      painter.DrawSun(sun);
      painter.DrawPlanet(probe);
      EXPECT_TRUE(CentreIs(fromSun ? c.lit : c.dark, 6))
          << body.name << (fromSun ? " lit" : " dark");
    }
  }
  test::LookAt(Vec3(0.0, -2.0, 0.0), sun);
  SetLights();
  painter.DrawSun(sun);
  EXPECT_TRUE(CentreIs({255, 197, 95}, 12)) << "the Sun";
}

// The sight mark: a cross of two 4-degree diagonals where the planet is seen on the sphere of
// radius 5 round the Earth, and a line from the Earth to it, all in the planet's colour.
TEST_F(DrawingTest, SightMarkIsACrossWithALineFromTheEarth) {
  Planet earth;
  earth.Set(1.0, -1.0, 0.0);
  Planet mars(&earth, "MARS", 0);
  mars.color = {1.0f, 0.0f, 0.0f};
  mars.Set(-40.0, 0.0, 0.0);  // the sphere far out of view
  mars.sight = SphericalPoint(5.0, 90.0, 0.0, Vec3());
  test::LookAt(Vec3(8.0, -5.5, 7.0), Vec3(1.0, 1.5, 0.0));
  SetLights();
  view_->Renderer().Bodies().DrawPlanet(mars);
  const QImage frame = test::ReadFrame();
  const auto at = [&earth](double longitude, double latitude) {
    return SphericalPoint(5.0, longitude, latitude, earth);
  };
  const std::pair<Vec3, Vec3> strokes[] = {
      {earth, at(90, 0)}, {at(88, -2), at(92, 2)}, {at(88, 2), at(92, -2)}};
  for (const auto& [from, to] : strokes) {
    for (double t : {0.15, 0.85}) {
      Vec3 point = to;
      point.Subtract(from).Scale(t).Add(from);
      const auto red = [](QRgb c) { return qRed(c) > 40 && qGreen(c) < 20 && qBlue(c) < 20; };
      EXPECT_GT(test::Sum(frame, test::Around(test::Project(point), 1), red), 0)
          << "the stroke ending at " << to.Component(0) << "," << to.Component(1) << " at " << t;
    }
  }
}

// Run at device pixel ratios 1, 1.5, 2 and 3 (see CMakeLists.txt). A trail of 100 points
// along the ecliptic from longitude 104 (oldest) to 76 (newest): point k (1 = newest) is drawn
// at 1 - k/100 of the colour, the oldest at black. It is 2 pixels wide at 100 %, a sign's ring
// below it 1 (its 0.5 unsmoothed is drawn as 1), so r times that in device pixels at ratio r.
TEST_F(DrawingTest, TrailFadesToBlackAndLinesKeepTheirWidthAtAnyRatio) {
  Planet earth;
  Planet mars(&earth, "MARS", 0);
  mars.color = {1.0f, 0.5f, 0.25f};
  constexpr int kPoints = 100;
  for (int i = 0; i < kPoints; ++i) {
    mars.trail.PushFront(SphericalPoint(5.0, 104.0 - 28.0 * i / (kPoints - 1), 0.0, Vec3()));
  }
  mars.sight = SphericalPoint(5.0, 170.0, 0.0, Vec3());  // the sight mark out of view
  mars.Set(0.0, -30.0, 0.0);                             // the sphere behind the camera
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.Set(5.0, 90.0, -4.0);
  sign.ringRadius = 2.0;  // its top, latitude -2, lies below the trail
  test::LookAt(Vec3(), SphericalPoint(5.0, 90.0, -1.0, Vec3()));
  view_->Renderer().Bodies().DrawPlanet(mars);
  view_->Renderer().Signs().DrawRing(sign, Vec3());
  const QImage frame = test::ReadFrame();
  for (int k : {15, 25, 50, 75, 95}) {
    const double f = 1.0 - k / 100.0;
    const auto close = [f](QRgb c) {
      return std::abs(qRed(c) - f * 255) <= 8 && std::abs(qGreen(c) - f * 127.5) <= 8 &&
             std::abs(qBlue(c) - f * 63.75) <= 8;
    };
    const QRect at = test::Around(test::Project(*mars.trail.At(k - 1)), 1);
    EXPECT_GT(test::Sum(frame, at, close), 0) << "point " << k << " should be at " << f;
  }
  const QPoint oldest = test::Project(*mars.trail.At(kPoints - 1));
  EXPECT_LT(test::Sum(frame, test::Around(oldest, 1), test::Light), 60);

  const double ratio = view_->devicePixelRatio();
  const auto thickness = [&](const Vec3& point, auto lit) {
    const QPoint at = test::Project(point);
    const int reach = static_cast<int>(6 * ratio);
    return test::Sum(frame, QRect(at.x(), at.y() - reach, 1, 2 * reach + 1), lit);
  };
  // At longitude 80 the trail is at 0.86 of its colour, a light of 384 in the middle.
  const long trail = thickness(SphericalPoint(5.0, 80.0, 0.0, Vec3()),
                               [](QRgb c) { return test::Light(c) > 115; });
  const long ring = thickness(SphericalPoint(5.0, 90.0, -2.0, Vec3()), [](QRgb c) {
    return qRed(c) == qGreen(c) && std::abs(qRed(c) - 128) <= 2;
  });
  EXPECT_TRUE(trail >= std::floor(2 * ratio) && trail <= std::ceil(2 * ratio) + 1) << trail;
  EXPECT_TRUE(ring >= std::floor(ratio) && ring <= std::ceil(ratio) + 1) << ring;
}

// The first frames of a replay: a trail of n points spaced 8 degrees along the ecliptic, the
// newest at longitude 78, in view. Point k (1 = newest) is drawn at 1 - k/n of the colour,
// worked by hand: with two points 1/2, with four 3/4, 1/2 and 1/4; the oldest is black.
TEST_F(DrawingTest, ShortTrailFadesInItsFewSteps) {
  struct Row {
    int points, k;
    double factor;
  };
  constexpr Row kRows[] = {{2, 1, 0.5}, {4, 1, 0.75}, {4, 2, 0.5}, {4, 3, 0.25}};
  for (const Row& row : kRows) {
    Planet earth;
    Planet mars(&earth, "MARS", 0);
    mars.color = {1.0f, 0.5f, 0.25f};
    for (int i = row.points - 1; i >= 0; --i) {
      mars.trail.PushFront(SphericalPoint(5.0, 78.0 + 8.0 * i, 0.0, Vec3()));
    }
    mars.sight = SphericalPoint(5.0, 170.0, 0.0, Vec3());  // the sight mark out of view
    mars.Set(0.0, -30.0, 0.0);                             // the sphere behind the camera
    test::LookAt(Vec3(), SphericalPoint(5.0, 90.0, 0.0, Vec3()));
    view_->Renderer().Bodies().DrawPlanet(mars);
    const QImage frame = test::ReadFrame();
    const double f = row.factor;
    const auto close = [f](QRgb c) {
      return std::abs(qRed(c) - f * 255) <= 8 && std::abs(qGreen(c) - f * 127.5) <= 8 &&
             std::abs(qBlue(c) - f * 63.75) <= 8;
    };
    const QRect at = test::Around(test::Project(*mars.trail.At(row.k - 1)), 1);
    EXPECT_GT(test::Sum(frame, at, close), 0)
        << row.points << " points: point " << row.k << " should be at " << f;
  }
}

// How many of 36 points of a ring show the rings' grey; `at(a)` places the point at angle a.
template <typename Place>
int RingHits(const QImage& frame, Place at) {
  const auto grey = [](QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 128) <= 2;
  };
  int found = 0;
  for (int degrees = 0; degrees < 360; degrees += 10) {
    found += test::Sum(frame, test::Around(test::Project(at(degrees * M_PI / 180.0)), 1), grey) > 0;
  }
  return found;
}

TEST_F(DrawingTest, RingsAndBannerShowWhereTheyBelong) {
  // 18 June 2025 (day 9300) after four months of trails, tilted 30, with Leo (heading 149,
  // its centre's longitude truncated) facing the camera.
  SkyScene& scene = view_->Scene();
  scene.ClearTrails();
  for (int day = 9180; day <= 9300; ++day) scene.ShowDay(day);
  scene.tilt = 30;
  scene.heading = 149;
  view_->Renderer().Render(scene);
  const QImage frame = test::ReadFrame();
  const Vec3 earth(scene.Earth()->Data());

  // The ecliptic ring round the Earth with radius 5; the signs' rings share the grey, so a few
  // points off it still hit one.
  for (double radius : {4.5, 5.0, 5.5}) {
    const int hits = RingHits(frame, [&](double a) {
      return Vec3(earth.Component(0) + radius * std::cos(a),
                  earth.Component(1) + radius * std::sin(a), 0.0);
    });
    EXPECT_TRUE(radius == 5.0 ? hits >= 30 : hits <= 10) << hits << " at radius " << radius;
  }
  // Leo's ring, drawn right after its stars: texturing left on would turn it black.
  const ZodiacSign& leo = *scene.SignAt(6);
  const double rho = leo.Component(0), radius = leo.ringRadius;
  const auto onLeosRing = [&](double a) {
    return SphericalPoint(rho, leo.Component(1) + radius * std::cos(a),
                          leo.Component(2) + radius * std::sin(a), earth);
  };
  EXPECT_GE(RingHits(frame, onLeosRing), 30);
  // Leo's banner, facing the camera.
  const Vec3 banner = SphericalPoint(1.2 * leo.Component(0) + leo.bannerOffset, leo.Component(1),
                                     leo.Component(2), earth);
  EXPECT_GT(test::Sum(frame, test::Around(test::Project(banner), 20), test::LetterYellow), 20);
}

TEST_F(DrawingTest, FrameLeavesNoGlErrorAndTheStateTheNextDrawReliesOn) {
  for (int tilt : {0, 90, 30}) {
    view_->Scene().tilt = tilt;
    view_->Renderer().Render(view_->Scene());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "tilt " << tilt;
  }
  for (GLenum on : {GL_LINE_SMOOTH, GL_CULL_FACE}) EXPECT_TRUE(glIsEnabled(on)) << on;
  for (GLenum off : {GL_LIGHTING, GL_TEXTURE_2D, GL_BLEND}) EXPECT_FALSE(glIsEnabled(off)) << off;
  // The rings' 0.5-pixel unsmoothed lines are drawn 1 pixel wide at 100 %, so at any other
  // ratio that pixel is scaled. Alpha is written by the clear alone, so the frame stays opaque
  // where the window system gives a surface with alpha (Wayland's EGL does).
  const double ratio = view_->devicePixelRatio();
  const float ringWidth = ratio == 1.0 ? 0.5f : static_cast<float>(ratio);
  const std::pair<GLenum, std::vector<float>> states[] = {
      {GL_DEPTH_WRITEMASK, {1}},          {GL_LINE_WIDTH, {ringWidth}},
      {GL_SHADE_MODEL, {GL_SMOOTH}},      {GL_CURRENT_COLOR, {1, 1, 1, 1}},
      {GL_COLOR_WRITEMASK, {1, 1, 1, 0}}, {GL_COLOR_CLEAR_VALUE, {0, 0, 0, 1}},
      {GL_EMISSION, {0, 0, 0, 1}}};
  for (const auto& [state, expected] : states) {
    std::vector<float> value(4, -1.0f);
    if (state == GL_EMISSION) {
      glGetMaterialfv(GL_FRONT, GL_EMISSION, value.data());
    } else {
      glGetFloatv(state, value.data());
    }
    value.resize(expected.size());
    EXPECT_EQ(value, expected) << "state 0x" << std::hex << state;
  }
}

TEST_F(DrawingTest, CoincidentStarsAddTheirGlows) {
  // Blending adds and depth writes are off, so a second sprite at the same place is not
  // hidden by the first: nearly twice the light (the brightest pixels clip at 255).
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  long glow[2] = {0, 0};
  for (long& light : glow) {
    sign.AddStar("star", 60.0, 20.0);
    const Star& star = sign.stars[0];
    test::LookAt(Vec3(), SphericalPoint(5.0, star.Component(1), star.Component(2), Vec3()));
    view_->Renderer().Signs().DrawStars(sign, Vec3());
    const QImage frame = test::ReadFrame();
    light = test::Sum(frame, frame.rect(), test::Light);
  }
  EXPECT_GT(glow[0], 0);
  EXPECT_GT(glow[1], glow[0] * 3 / 2);
}

}  // namespace
}  // namespace astrivo
