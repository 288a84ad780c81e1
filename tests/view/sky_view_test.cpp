// SkyView: start-up, the surface it gets, paint and resize, device pixels and the paths
// without OpenGL.
#include <set>

#include <QResizeEvent>

#include "gl_frame.h"

namespace astrivo {
namespace {

using SkyViewTest = test::GlTest<240>;

TEST_F(SkyViewTest, InitGlMakesTheSurfaceTheFixedStateAndTheTextures) {
  const QSurfaceFormat format = view_->Context()->format();
  // 32 bits of depth are asked for; the system's deepest buffer is accepted instead.
  EXPECT_TRUE(format.swapBehavior() == QSurfaceFormat::DoubleBuffer &&
              format.depthBufferSize() >= 16 && format.stencilBufferSize() == 8 &&
              !view_->Context()->isOpenGLES())
      << "depth " << format.depthBufferSize() << ", stencil " << format.stencilBufferSize();

  const SkyScene& scene = view_->Scene();
  std::set<unsigned int> names{view_->StarTexture()};
  EXPECT_NE(view_->StarTexture(), 0u);
  for (int i = 0; i < scene.SignCount(); ++i) {
    const ZodiacSign& sign = *scene.SignAt(i);
    EXPECT_TRUE(sign.bannerTexture != 0 && names.insert(sign.bannerTexture).second)
        << sign.label << " has no texture of its own";
  }
  // The fixed state's texture filter is set before any texture is bound, so it reaches the
  // default texture only.
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, 0);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_LINEAR);
  glBindTexture(GL_TEXTURE_2D, view_->StarTexture());
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_NEAREST_MIPMAP_LINEAR) << "the star texture keeps a new texture's filter";
  // InitGL runs once: a second call makes nothing new.
  const unsigned int firstBanner = scene.SignAt(0)->bannerTexture;
  EXPECT_EQ(view_->InitGL(), 1);
  EXPECT_EQ(scene.SignAt(0)->bannerTexture, firstBanner);
}

// Also run at a device pixel ratio of 2 (see CMakeLists.txt).
TEST_F(SkyViewTest, PaintReleasesTheContextAndResizeKeepsItCurrent) {
  view_->Paint();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

  view_->resize(400, 250);
  QTRY_COMPARE(view_->size(), QSize(400, 250));
  // The paint that the resize asks for has run by now; a resize on its own leaves the
  // context current.
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  QResizeEvent resize(QSize(400, 250), QSize(240, 240));
  QCoreApplication::sendEvent(view_.get(), &resize);
  EXPECT_EQ(QOpenGLContext::currentContext(), view_->Context());
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  const QSize pixels = view_->DevicePixelSize();
  EXPECT_EQ(QSize(viewport[2], viewport[3]), pixels) << "device pixels, not logical ones";
  EXPECT_EQ(pixels, QSize(400, 250) * view_->devicePixelRatio());
  const double aspect = static_cast<double>(pixels.width()) / pixels.height();
  EXPECT_DOUBLE_EQ(view_->Scene().Aspect(), aspect);
  // Visible height 15 / aspect over a 30-degree field of view.
  const double cameraZ = -(15.0 / aspect / 2.0) / std::tan(15.0 * M_PI / 180.0);
  EXPECT_NEAR(view_->Scene().Camera().Component(2), cameraZ, 1e-9);
  if (const char* expected = std::getenv("ASTRIVO_EXPECT_DPR")) {
    EXPECT_DOUBLE_EQ(view_->devicePixelRatio(), std::atof(expected));
  }
}

// Also run at a device pixel ratio of 2: the sky must not be squeezed into a corner.
TEST_F(SkyViewTest, FrameFillsTheWholeDevicePixelViewport) {
  // At tilt 90 the ecliptic ring is nearly a circle filling two thirds of the width.
  view_->Scene().tilt = 90;
  view_->Renderer().Render(view_->Scene());
  const test::Frame frame;
  EXPECT_EQ(QSize(frame.Width(), frame.Height()), view_->DevicePixelSize());
  const int half = frame.Width() / 2;
  for (int x : {0, half}) {
    for (int y : {0, half}) {
      EXPECT_GT(frame.Count(QRect(x, y, half, half),
                            [](test::Rgb c) { return c.r + c.g + c.b > 60; }),
                0)
          << "nothing drawn in the quarter at " << x << "," << y;
    }
  }
}

// Run on the offscreen platform and on xcb without a GL integration (see CMakeLists.txt).
TEST(SkyViewNoGlTest, InitGlFailsAndTheSceneStillWorks) {
  if (!test::ExpectNoGl()) GTEST_SKIP() << "run with OpenGL";
  SkyView view;
  view.resize(200, 150);
  EXPECT_EQ(view.InitGL(), 0);
  EXPECT_EQ(view.Context(), nullptr);
  EXPECT_EQ(view.StarTexture(), 0u);
  // The ratings need the bodies and signs whether or not there is a sky to draw.
  EXPECT_EQ(view.Scene().BodyCount(), 6);
  EXPECT_EQ(view.Scene().SignCount(), 12);
  // Painting, repainting and resizing a view without a sky must all be harmless.
  view.show();
  view.Repaint();
  view.Paint();
  view.resize(300, 200);
  QTest::qWait(50);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  EXPECT_EQ(view.InitGL(), 0);
}

}  // namespace
}  // namespace astrivo
