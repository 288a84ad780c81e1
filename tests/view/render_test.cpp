// The whole frame read back from a real context at a known day, tilt and heading, the state it
// leaves behind, and star sprites drawn alone.
#include <cmath>
#include <vector>

#include "gl_frame.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using RenderTest = test::GlTest;

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

TEST_F(RenderTest, RingsAndBannerShowWhereTheyBelong) {
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

TEST_F(RenderTest, FrameLeavesNoGlErrorAndTheStateTheNextDrawReliesOn) {
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

TEST_F(RenderTest, CoincidentStarsAddTheirGlows) {
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
