// The whole frame read back from a real context at a known day, tilt and heading.
#include <cmath>
#include <vector>

#include "gl_frame.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

constexpr int kDay = 9300;        // 18 June 2025 on the program's day numbers
constexpr int kTraceDays = 120;   // the planets' trails cover four months
constexpr int kLeoHeading = 149;  // Leo's centre longitude, truncated: Leo faces the camera

using RenderTest = test::GlTest;

// Renders kDay, with trails of the months before it, into the back buffer.
QImage RenderDay(SkyView& view, int tilt, int heading) {
  SkyScene& scene = view.Scene();
  scene.ClearTrails();
  for (int day = kDay - kTraceDays; day <= kDay; ++day) scene.ShowDay(day);
  scene.tilt = tilt;
  scene.heading = heading;
  view.Renderer().Render(scene);
  return test::ReadFrame();
}

TEST_F(RenderTest, SunRingAndBannerShowWhereTheyBelong) {
  const QImage frame = RenderDay(*view_, 30, kLeoHeading);
  const Vec3 earth(view_->Scene().Earth()->Data());

  // Emission (0.9, 0.4, 0) plus white under the dim viewer light: red saturates, blue stays
  // lowest. A planet-lit sphere or no Sun at all would fail this.
  const QPoint origin = test::Project(Vec3(0, 0, 0));
  const QRgb sun = frame.pixel(origin);
  EXPECT_TRUE(qRed(sun) >= 240 && qGreen(sun) > 110 && qGreen(sun) < 235 &&
              qGreen(sun) > qBlue(sun) + 60 && qBlue(sun) < 130)
      << qRed(sun) << "," << qGreen(sun) << "," << qBlue(sun);

  // The ecliptic ring: hits on 36 points of a circle round the Earth in the plane z = 0. The
  // signs' rings share the grey, so a few points off the ecliptic ring still hit one.
  const auto grey = [](QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 128) <= 2;
  };
  const auto ringHits = [&](double radius) {
    int found = 0;
    for (int degrees = 0; degrees < 360; degrees += 10) {
      const double a = degrees * M_PI / 180.0;
      const QPoint p = test::Project(Vec3(earth.Component(0) + radius * std::cos(a),
                                          earth.Component(1) + radius * std::sin(a), 0.0));
      if (test::Sum(frame, test::Around(p, 1), grey) > 0) ++found;
    }
    return found;
  };
  EXPECT_GE(ringHits(5.0), 30);
  EXPECT_LE(ringHits(4.5), 10) << "the ring is centred on the Earth with radius 5";
  EXPECT_LE(ringHits(5.5), 10) << "the ring is centred on the Earth with radius 5";

  // Leo's banner, facing the camera, round the Earth.
  const ZodiacSign& leo = *view_->Scene().SignAt(6);
  ASSERT_EQ(leo.label, "Leo");
  const Vec3 banner = SphericalPoint(1.2 * leo.Component(0) + leo.bannerOffset, leo.Component(1),
                                     leo.Component(2), earth);
  EXPECT_GT(test::Sum(frame, test::Around(test::Project(banner), 20), test::LetterYellow), 20);
}

TEST_F(RenderTest, FrameLeavesNoGlErrorAndTheStateTheNextDrawReliesOn) {
  for (int tilt : {0, 90, 30}) {
    RenderDay(*view_, tilt, 45);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "tilt " << tilt;
  }
  // What the constellations, drawn last, leave behind. The rings' 0.5-pixel unsmoothed
  // lines are drawn 1 pixel wide at 100 %, so at any other ratio that pixel is scaled.
  const double ratio = view_->devicePixelRatio();
  const float ringWidth = ratio == 1.0 ? 0.5f : static_cast<float>(ratio);
  struct StateCase {
    const char* name;
    GLenum state;
    std::vector<float> expected;
  };
  const StateCase cases[] = {
      {"lighting", GL_LIGHTING, {0}},
      {"line smoothing", GL_LINE_SMOOTH, {1}},
      {"texturing", GL_TEXTURE_2D, {0}},
      {"blending", GL_BLEND, {0}},
      {"face culling", GL_CULL_FACE, {1}},
      {"depth writes", GL_DEPTH_WRITEMASK, {1}},
      {"line width", GL_LINE_WIDTH, {ringWidth}},
      {"colour", GL_CURRENT_COLOR, {1, 1, 1, 1}},
      {"shading", GL_SHADE_MODEL, {GL_SMOOTH}},
      // Alpha is written by the clear alone, so the frame stays opaque.
      {"colour mask", GL_COLOR_WRITEMASK, {1, 1, 1, 0}},
  };
  for (const StateCase& state : cases) {
    std::vector<float> value(4, -1.0f);
    glGetFloatv(state.state, value.data());
    value.resize(state.expected.size());
    EXPECT_EQ(value, state.expected) << state.name;
  }
  for (GLenum face : {GL_FRONT, GL_BACK}) {
    for (GLenum component : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}) {
      std::vector<float> material(4, -1.0f);
      glGetMaterialfv(face, component, material.data());
      EXPECT_EQ(material, (std::vector<float>{0, 0, 0, 1}))
          << "face 0x" << std::hex << face << " component 0x" << component;
    }
  }
}

}  // namespace
}  // namespace astrivo
