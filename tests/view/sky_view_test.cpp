// SkyView: start-up, the surface it gets, paint and resize, device pixels and the paths
// without OpenGL.
#include <set>

#include <QResizeEvent>

#include "gl_frame.h"

namespace astrivo {
namespace {

using SkyViewTest = test::GlTest;

TEST_F(SkyViewTest, InitGlMakesTheSurfaceTheFixedStateAndTheTextures) {
  const QSurfaceFormat format = view_->Context()->format();
  // Qt reports the swap behaviour asked for, not always the one it got, so GL itself is
  // asked; where Qt draws the window through a framebuffer object of its own (Wayland with
  // decorations) that object stands for the back buffer. EGL window surfaces report the
  // default swap behaviour; only single buffering is wrong.
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  EXPECT_TRUE(doubleBuffered || view_->Context()->defaultFramebufferObject() != 0)
      << "drawing to the front buffer";
  EXPECT_TRUE(format.swapBehavior() != QSurfaceFormat::SingleBuffer &&
              format.depthBufferSize() >= 16 && format.stencilBufferSize() == 8 &&
              !view_->Context()->isOpenGLES())
      << "swap " << format.swapBehavior() << ", depth " << format.depthBufferSize() << ", stencil "
      << format.stencilBufferSize() << ", ES " << view_->Context()->isOpenGLES();

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
  // InitGL runs once: a second call makes nothing new.
  const unsigned int firstBanner = scene.SignAt(0)->bannerTexture;
  EXPECT_EQ(view_->InitGL(), 1);
  EXPECT_EQ(scene.SignAt(0)->bannerTexture, firstBanner);
}

// Also run at a device pixel ratio of 2 (see CMakeLists.txt).
TEST_F(SkyViewTest, PaintReleasesTheContextAndResizeKeepsItCurrent) {
  SkyView view;  // its own, so that the shared view keeps its size
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(240, 240)));
  view.Paint();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

  view.resize(400, 250);
  ASSERT_TRUE(QTest::qWaitFor([&view] { return view.size() == QSize(400, 250); }));
  // The paint that the resize asks for has run by now; a resize on its own leaves the
  // context current.
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  QResizeEvent resize(QSize(400, 250), QSize(240, 240));
  QCoreApplication::sendEvent(&view, &resize);
  EXPECT_EQ(QOpenGLContext::currentContext(), view.Context());
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  const QSize pixels = view.DevicePixelSize();
  EXPECT_EQ(QSize(viewport[2], viewport[3]), pixels) << "device pixels, not logical ones";
  EXPECT_EQ(pixels, QSize(400, 250) * view.devicePixelRatio());
  EXPECT_DOUBLE_EQ(view.Scene().Aspect(), 1.6);  // 400 by 250
  if (const char* expected = std::getenv("ASTRIVO_EXPECT_DPR")) {
    EXPECT_DOUBLE_EQ(view.devicePixelRatio(), std::atof(expected));
  }
}

// Also run at a device pixel ratio of 2: the sky must not be squeezed into a corner.
TEST_F(SkyViewTest, FrameFillsTheWholeDevicePixelViewport) {
  // At tilt 90 the ecliptic ring is nearly a circle filling two thirds of the width.
  view_->Scene().tilt = 90;
  view_->Renderer().Render(view_->Scene());
  const QImage frame = test::ReadFrame();
  EXPECT_EQ(frame.size(), view_->DevicePixelSize());
  const int half = frame.width() / 2;
  for (int x : {0, half}) {
    for (int y : {0, half}) {
      const auto lit = [](QRgb c) { return test::Light(c) > 60; };
      EXPECT_GT(test::Sum(frame, QRect(x, y, half, half), lit), 0)
          << "nothing drawn in the quarter at " << x << "," << y;
    }
  }
}

// A compositor blends a window's alpha channel with what lies behind it (Wayland's EGL gives
// ARGB surfaces even when none is asked for): every pixel of a frame must be opaque,
// smoothed lines and blended sprites included.
TEST_F(SkyViewTest, FrameIsOpaqueOnASurfaceWithAlpha) {
  SkyView view;
  QSurfaceFormat format = SkyView::RequestedFormat();
  format.setAlphaBufferSize(8);
  view.setFormat(format);
  // Without decorations Qt's Wayland backend draws straight to the window's surface, as it
  // does for the dialog's view, rather than through a framebuffer object of its own.
  view.setFlag(Qt::FramelessWindowHint);
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(240, 240)));
  ASSERT_GE(view.Context()->format().alphaBufferSize(), 8) << "no surface with alpha here";
  SkyScene& scene = view.Scene();
  for (int day = 9180; day <= 9300; ++day) scene.ShowDay(day);
  view.Renderer().Render(scene);
  const QImage frame = test::ReadFrame();
  EXPECT_GT(test::Sum(frame, frame.rect(), [](QRgb c) { return test::Light(c) > 60; }), 500);
  EXPECT_EQ(test::Sum(frame, frame.rect(), [](QRgb c) { return qAlpha(c) != 255; }), 0);
}

// A re-parent or a screen change destroys the native surface and makes a new one: the GL
// resources go with the old surface and come back with the new, and the scene is kept.
TEST_F(SkyViewTest, NewSurfaceGetsNewGlResourcesAndKeepsTheScene) {
  SkyView view;
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(kSize, kSize)));
  SkyScene& scene = view.Scene();
  for (int day = 9180; day <= 9300; ++day) scene.ShowDay(day);
  scene.tilt = 31;
  scene.heading = 149;  // Leo's banner faces the camera
  const int trail = scene.BodyAt(5)->trail.Count();
  ASSERT_GT(trail, 0);

  view.destroy();
  EXPECT_EQ(view.Context(), nullptr);
  EXPECT_EQ(view.StarTexture(), 0u);
  EXPECT_EQ(scene.SignAt(6)->bannerTexture, 0u) << "a name the next context would not know";

  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ASSERT_NE(view.Context(), nullptr);
  EXPECT_NE(view.StarTexture(), 0u);
  EXPECT_NE(scene.SignAt(6)->bannerTexture, 0u);
  EXPECT_EQ(scene.tilt, 31);
  EXPECT_EQ(scene.heading, 149);
  EXPECT_EQ(scene.BodyAt(5)->trail.Count(), trail);
  view.Context()->makeCurrent(&view);
  view.Renderer().Render(scene);
  const QImage frame = test::ReadFrame();
  EXPECT_EQ(frame.size(), view.DevicePixelSize());
  EXPECT_GT(test::Sum(frame, frame.rect(), test::LetterYellow), 20) << "Leo's banner is drawn";
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
