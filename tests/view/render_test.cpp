// The whole frame read back from a real context at a known day, tilt and heading, the state it
// leaves behind, and star sprites drawn alone.
#include <cmath>
#include <vector>

#include "gl_frame.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using RenderTest = test::GlTest;

bool Grey(QRgb c) {
  return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 128) <= 2;
}

// How many of 36 points of a circle of `radius` round `centre` show the rings' grey: a circle
// in the plane z = 0, or in longitude and latitude round `sign`'s centre as its ring is drawn.
int RingHits(const QImage& frame, const Vec3& centre, double radius, const ZodiacSign* sign) {
  int found = 0;
  for (int degrees = 0; degrees < 360; degrees += 10) {
    const double a = degrees * M_PI / 180.0;
    Vec3 point(centre.Component(0) + radius * std::cos(a),
               centre.Component(1) + radius * std::sin(a), 0.0);
    if (sign != nullptr) {
      point = SphericalPoint(sign->Component(0), sign->Component(1) + radius * std::cos(a),
                             sign->Component(2) + radius * std::sin(a), centre);
    }
    if (test::Sum(frame, test::Around(test::Project(point), 1), Grey) > 0) ++found;
  }
  return found;
}

TEST_F(RenderTest, SunRingsAndBannerShowWhereTheyBelong) {
  // 18 June 2025 (day 9300) after four months of trails, tilted 30, with Leo (heading 149,
  // its centre's longitude truncated) facing the camera.
  SkyScene& scene = view_->Scene();
  scene.ClearTrails();
  for (int day = 9180; day <= 9300; ++day) scene.ShowDay(day);
  scene.tilt = 30;
  scene.heading = 149;
  view_->Renderer().Render(scene);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  const QImage frame = test::ReadFrame();
  const Vec3 earth(scene.Earth()->Data());

  // Emission (0.9, 0.4, 0) plus white under the dim viewer light: red saturates, blue stays
  // lowest. A planet-lit sphere or no Sun at all would fail this.
  const QRgb sun = frame.pixel(test::Project(Vec3(0, 0, 0)));
  EXPECT_TRUE(qRed(sun) >= 240 && qGreen(sun) > 110 && qGreen(sun) < 235 &&
              qGreen(sun) > qBlue(sun) + 60 && qBlue(sun) < 130)
      << qRed(sun) << "," << qGreen(sun) << "," << qBlue(sun);

  // The ecliptic ring round the Earth with radius 5; the signs' rings share the grey, so a few
  // points off it still hit one.
  EXPECT_GE(RingHits(frame, earth, 5.0, nullptr), 30);
  EXPECT_LE(RingHits(frame, earth, 4.5, nullptr), 10);
  EXPECT_LE(RingHits(frame, earth, 5.5, nullptr), 10);
  // Leo's ring, drawn right after its stars: texturing left on would turn it black.
  const ZodiacSign& leo = *scene.SignAt(6);
  EXPECT_GE(RingHits(frame, earth, leo.ringRadius, &leo), 30);
  // Leo's banner, facing the camera, round the Earth.
  const Vec3 banner = SphericalPoint(1.2 * leo.Component(0) + leo.bannerOffset, leo.Component(1),
                                     leo.Component(2), earth);
  EXPECT_GT(test::Sum(frame, test::Around(test::Project(banner), 20), test::LetterYellow), 20);
}

TEST_F(RenderTest, FrameLeavesNoGlErrorAndTheStateTheNextDrawReliesOn) {
  for (int tilt : {0, 90, 30}) {
    view_->Scene().tilt = tilt;
    view_->Renderer().Render(view_->Scene());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "tilt " << tilt;
  }
  // The rings' 0.5-pixel unsmoothed lines are drawn 1 pixel wide at 100 %, so at any other
  // ratio that pixel is scaled.
  const double ratio = view_->devicePixelRatio();
  const float ringWidth = ratio == 1.0 ? 0.5f : static_cast<float>(ratio);
  const struct {
    const char* name;
    GLenum state;
    std::vector<float> expected;
  } cases[] = {
      {"lighting", GL_LIGHTING, {0}},
      {"line smoothing", GL_LINE_SMOOTH, {1}},
      {"texturing", GL_TEXTURE_2D, {0}},
      {"blending", GL_BLEND, {0}},
      {"face culling", GL_CULL_FACE, {1}},
      {"depth writes", GL_DEPTH_WRITEMASK, {1}},
      {"line width", GL_LINE_WIDTH, {ringWidth}},
      {"colour", GL_CURRENT_COLOR, {1, 1, 1, 1}},
      {"shading", GL_SHADE_MODEL, {GL_SMOOTH}},
      // Alpha is written by the clear alone, so the frame stays opaque where the window system
      // gives a surface with alpha (Wayland's EGL does) and blends it with what lies behind.
      {"colour mask", GL_COLOR_WRITEMASK, {1, 1, 1, 0}},
      {"clear colour", GL_COLOR_CLEAR_VALUE, {0, 0, 0, 1}},
  };
  for (const auto& state : cases) {
    std::vector<float> value(4, -1.0f);
    glGetFloatv(state.state, value.data());
    value.resize(state.expected.size());
    EXPECT_EQ(value, state.expected) << state.name;
  }
}

TEST_F(RenderTest, CoincidentStarsAddTheirGlows) {
  // Two stars at one place and one alone 10 degrees away, seen from the centre. Blending adds
  // and depth writes are off, so the second sprite of the pair is not hidden by the first:
  // nearly twice the light (the brightest pixels clip at 255).
  ZodiacSign sign("Test", 0.0, 0, 100.0);
  sign.AddStar("pair", 60.0, 20.0);
  sign.AddStar("pair", 60.0, 20.0);
  sign.AddStar("single", 60.0, 20.0);
  sign.stars.back().SetComponent(1, sign.stars[0].Component(1) + 10.0);
  const Vec3 origin;
  const Vec3 pair =
      SphericalPoint(5.0, sign.stars[0].Component(1), sign.stars[0].Component(2), origin);
  const Vec3 single =
      SphericalPoint(5.0, sign.stars[2].Component(1), sign.stars[2].Component(2), origin);
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
  EXPECT_GT(pairGlow, singleGlow * 3 / 2);
}

}  // namespace
}  // namespace astrivo
