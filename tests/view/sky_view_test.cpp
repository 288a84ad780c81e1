// SkyView: start-up, the surface it gets, paint and resize, device pixels and the paths
// without OpenGL.
#include <cmath>
#include <cstdlib>
#include <set>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QResizeEvent>
#include <QOpenGLContext>
#include <QTest>

#include "gl_frame.h"
#include "view/sky_view.h"

namespace astrivo {
namespace {

bool ExpectNoGl() { return std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr; }

TEST(SkyViewTest, InitGlBuildsTheSceneWithItsTextures) {
  if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
  auto view = test::ShownView(320, 240);
  ASSERT_NE(view, nullptr);
  const SkyScene& scene = view->Scene();
  EXPECT_EQ(scene.BodyCount(), 6);
  ASSERT_EQ(scene.SignCount(), 12);
  std::set<unsigned int> names{view->StarTexture()};
  EXPECT_NE(view->StarTexture(), 0u);
  for (int i = 0; i < scene.SignCount(); ++i) {
    const ZodiacSign& sign = *scene.SignAt(i);
    EXPECT_NE(sign.bannerTexture, 0u) << sign.label;
    EXPECT_TRUE(names.insert(sign.bannerTexture).second) << sign.label << " shares a texture";
  }
  // InitGL runs once: a second call builds nothing new.
  const unsigned int firstBanner = scene.SignAt(0)->bannerTexture;
  EXPECT_EQ(view->InitGL(), 1);
  EXPECT_EQ(scene.SignAt(0)->bannerTexture, firstBanner);
  EXPECT_EQ(scene.SignCount(), 12);
}

TEST(SkyViewTest, SurfaceIsWhatTheViewAskedFor) {
  if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
  auto view = test::ShownView(200, 200);
  ASSERT_NE(view, nullptr);
  const QSurfaceFormat format = view->Context()->format();
  EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::DoubleBuffer);
  EXPECT_EQ(format.redBufferSize(), 8);
  EXPECT_EQ(format.greenBufferSize(), 8);
  EXPECT_EQ(format.blueBufferSize(), 8);
  // 32 bits of depth are asked for; the system's deepest buffer is accepted instead.
  EXPECT_GE(format.depthBufferSize(), 16);
  EXPECT_EQ(format.stencilBufferSize(), 8);
  EXPECT_FALSE(view->Context()->isOpenGLES());
}

TEST(SkyViewTest, FixedStateReachesTheDefaultTextureOnly) {
  if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
  auto view = test::ShownView(200, 200);
  ASSERT_NE(view, nullptr);
  view->Context()->makeCurrent(view.get());
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, 0);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_LINEAR);
  glBindTexture(GL_TEXTURE_2D, view->StarTexture());
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_NEAREST_MIPMAP_LINEAR) << "the star texture keeps a new texture's filter";
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SkyViewTest, PaintReleasesTheContextAndResizeKeepsItCurrent) {
  if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
  auto view = test::ShownView(300, 200);
  ASSERT_NE(view, nullptr);
  view->Paint();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

  view->resize(400, 250);
  QTRY_COMPARE(view->size(), QSize(400, 250));
  // The paint that the resize asks for has run by now; a resize on its own leaves the
  // context current.
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  QResizeEvent resize(QSize(400, 250), QSize(300, 200));
  QCoreApplication::sendEvent(view.get(), &resize);
  EXPECT_EQ(QOpenGLContext::currentContext(), view->Context());
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  const QSize pixels = view->DevicePixelSize();
  EXPECT_EQ(QSize(viewport[2], viewport[3]), pixels) << "device pixels, not logical ones";
  EXPECT_EQ(pixels, QSize(400, 250) * view->devicePixelRatio());
  const double aspect = static_cast<double>(pixels.width()) / pixels.height();
  EXPECT_DOUBLE_EQ(view->Scene().Aspect(), aspect);
  // Visible height 15 / aspect over a 30-degree field of view.
  const double cameraZ = -(15.0 / aspect / 2.0) / std::tan(15.0 * M_PI / 180.0);
  EXPECT_NEAR(view->Scene().Camera().Component(2), cameraZ, 1e-9);
  if (const char* expected = std::getenv("ASTRIVO_EXPECT_DPR")) {
    EXPECT_DOUBLE_EQ(view->devicePixelRatio(), std::atof(expected));
  }
}

TEST(SkyViewTest, FrameFillsTheWholeDevicePixelViewport) {
  if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
  auto view = test::ShownView(240, 240);
  ASSERT_NE(view, nullptr);
  view->Context()->makeCurrent(view.get());
  // At tilt 90 the ecliptic ring is nearly a circle filling two thirds of the width.
  view->Scene().tilt = 90;
  view->Renderer().Render(view->Scene());
  const test::Frame frame = test::Frame::ReadBack();
  EXPECT_EQ(QSize(frame.Width(), frame.Height()), view->DevicePixelSize());
  const auto lit = [](test::Rgb c) { return c.r + c.g + c.b > 60; };
  const int half = frame.Width() / 2;
  // Something is drawn in each quarter of the window, so the sky is not squeezed into a
  // corner at a device pixel ratio above 1.
  for (QPoint quarter : {QPoint(half / 2, half / 2), QPoint(3 * half / 2, half / 2),
                         QPoint(half / 2, 3 * half / 2), QPoint(3 * half / 2, 3 * half / 2)}) {
    EXPECT_GT(frame.Count(quarter, half / 2 - 1, lit), 0) << quarter.x() << "," << quarter.y();
  }
}

TEST(SkyViewNoGlTest, InitGlFailsAndTheSceneStillWorks) {
  if (!ExpectNoGl()) GTEST_SKIP() << "run with OpenGL";
  SkyView view;
  view.resize(200, 150);
  EXPECT_EQ(view.InitGL(), 0);
  EXPECT_EQ(view.Context(), nullptr);
  EXPECT_EQ(view.StarTexture(), 0u);
  // The ratings need the bodies and signs whether or not there is a sky to draw.
  EXPECT_EQ(view.Scene().BodyCount(), 6);
  EXPECT_EQ(view.Scene().SignCount(), 12);
  EXPECT_EQ(view.Scene().SignAt(0)->bannerTexture, 0u);
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
