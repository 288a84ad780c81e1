// The whole frame read back from a real context at a known day, tilt and heading.
#include <cmath>
#include <cstdlib>
#include <string>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QOpenGLContext>

#include "gl_frame.h"
#include "view/sky_geometry.h"
#include "view/sky_view.h"

namespace astrivo {
namespace {

constexpr int kDay = 9300;          // 18 June 2025 on the program's day numbers
constexpr int kTraceDays = 120;     // the planets' trails cover four months
constexpr int kLeoIndex = 6;
constexpr int kLeoHeading = 149;    // Leo's centre longitude, truncated: Leo faces the camera

class RenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr) return;
    view_ = test::ShownView(720, 720).release();
  }
  static void TearDownTestSuite() {
    delete view_;
    view_ = nullptr;
  }
  void SetUp() override {
    if (std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr) GTEST_SKIP() << "run without OpenGL";
    ASSERT_NE(view_, nullptr);
  }

  // Renders the frame of kDay with trails of the months before it into the back buffer.
  static test::Frame RenderDay(int tilt, int heading) {
    SkyScene& scene = view_->Scene();
    scene.ClearTrails();
    for (int day = kDay - kTraceDays; day <= kDay; ++day) scene.ShowDay(day);
    scene.tilt = tilt;
    scene.heading = heading;
    view_->Context()->makeCurrent(view_);
    view_->Renderer().Render(scene);
    return test::Frame::ReadBack();
  }

  static Vec3 EarthPosition() { return Vec3(view_->Scene().Earth()->Data()); }

  static SkyView* view_;
};

SkyView* RenderTest::view_ = nullptr;

TEST_F(RenderTest, SunGlowsOrangeWhereTheOriginProjects) {
  const test::Frame frame = RenderDay(30, 0);
  const QPoint sun = test::Project(Vec3(0, 0, 0));
  const test::Rgb c = frame.At(sun.x(), sun.y());
  // Emission (0.9, 0.4, 0) plus white under the dim viewer light: red saturates, blue stays
  // lowest. A planet-lit sphere or no Sun at all would fail this.
  EXPECT_GE(c.r, 240);
  EXPECT_GT(c.g, c.b + 60);
  EXPECT_LT(c.g, 235);
  EXPECT_GT(c.g, 110);
  EXPECT_LT(c.b, 130);
}

TEST_F(RenderTest, EclipticRingIsGreyAtRadiusFiveRoundTheEarth) {
  const test::Frame frame = RenderDay(30, 0);
  frame.Keep("ring");
  const Vec3 earth = EarthPosition();
  const auto ringGrey = [](test::Rgb c) {
    return c.r == c.g && c.g == c.b && std::abs(c.r - 128) <= 2;
  };
  // Hits on 36 sample points of a circle of the given radius in the plane z = 0.
  const auto hits = [&](double radius) {
    int found = 0;
    for (int degrees = 0; degrees < 360; degrees += 10) {
      const double a = degrees * M_PI / 180.0;
      const Vec3 p(earth.Component(0) + radius * std::cos(a),
                   earth.Component(1) + radius * std::sin(a), 0.0);
      if (frame.Count(test::Project(p), 1, ringGrey) > 0) ++found;
    }
    return found;
  };
  EXPECT_GE(hits(5.0), 30);
  // The signs' rings share the grey, so a few points off the ecliptic ring still hit one.
  EXPECT_LE(hits(4.5), 10) << "the ring is centred on the Earth with radius 5";
  EXPECT_LE(hits(5.5), 10) << "the ring is centred on the Earth with radius 5";
}

TEST_F(RenderTest, BannerLettersShowFromOutside) {
  const test::Frame frame = RenderDay(30, kLeoHeading);
  frame.Keep("leo");
  const ZodiacSign& leo = *view_->Scene().SignAt(kLeoIndex);
  ASSERT_EQ(leo.label, "Leo");
  const Vec3 centre = SphericalPoint(1.2 * leo.Component(0) + leo.bannerOffset,
                                     leo.Component(1), leo.Component(2), EarthPosition());
  const auto letterYellow = [](test::Rgb c) {
    return std::abs(c.r - 192) <= 10 && std::abs(c.g - 192) <= 10 && c.b <= 10;
  };
  EXPECT_GT(frame.Count(test::Project(centre), 30, letterYellow), 60);
}

TEST_F(RenderTest, FrameLeavesNoGlError) {
  for (int tilt : {0, 30, 90}) {
    RenderDay(tilt, -120);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "tilt " << tilt;
  }
}

struct StateCase {
  const char* name;
  GLenum capability;
  bool enabled;
};

TEST_F(RenderTest, ConstellationsLeaveTheStateTheNextDrawReliesOn) {
  RenderDay(30, 45);
  const StateCase switches[] = {
      {"lighting", GL_LIGHTING, false},    {"line smoothing", GL_LINE_SMOOTH, true},
      {"texturing", GL_TEXTURE_2D, false}, {"blending", GL_BLEND, false},
      {"face culling", GL_CULL_FACE, true},
  };
  for (const StateCase& state : switches) {
    EXPECT_EQ(glIsEnabled(state.capability) == GL_TRUE, state.enabled) << state.name;
  }
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_EQ(depthWrites, GL_TRUE);
  GLfloat lineWidth = 0.0f;
  glGetFloatv(GL_LINE_WIDTH, &lineWidth);
  EXPECT_FLOAT_EQ(lineWidth, 0.5f);
  GLfloat colour[4] = {};
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_FLOAT_EQ(colour[0], 1.0f);
  EXPECT_FLOAT_EQ(colour[1], 1.0f);
  EXPECT_FLOAT_EQ(colour[2], 1.0f);
  GLint shading = 0;
  glGetIntegerv(GL_SHADE_MODEL, &shading);
  EXPECT_EQ(shading, GL_SMOOTH);
  for (GLenum face : {GL_FRONT, GL_BACK}) {
    for (GLenum component : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}) {
      GLfloat material[4] = {-1, -1, -1, -1};
      glGetMaterialfv(face, component, material);
      EXPECT_EQ(std::vector<float>(material, material + 4), (std::vector<float>{0, 0, 0, 1}))
          << "face 0x" << std::hex << face << " component 0x" << component;
    }
  }
}

}  // namespace
}  // namespace astrivo
