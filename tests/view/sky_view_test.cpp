// SkyView: the surface and textures it makes, paint and resize in device pixels, a new native
// surface, and the paths without OpenGL.
#include <set>

#include <QResizeEvent>

#include "gl_frame.h"

namespace astrivo {
namespace {

using SkyViewTest = test::GlTest;

TEST_F(SkyViewTest, InitGlMakesADoubleBufferedSurfaceAndATextureForEverySign) {
  // Qt reports the swap behaviour asked for, not always the one it got, so GL itself is
  // asked; where Qt draws the window through a framebuffer object of its own (Wayland with
  // decorations) that object stands for the back buffer.
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  EXPECT_TRUE(doubleBuffered || view_->Context()->defaultFramebufferObject() != 0);
  const QSurfaceFormat format = view_->Context()->format();
  EXPECT_TRUE(format.depthBufferSize() >= 16 && format.stencilBufferSize() == 8 &&
              !view_->Context()->isOpenGLES());
  const SkyScene& scene = view_->Scene();
  std::set<unsigned int> names{0, view_->StarTexture()};
  for (int i = 0; i < scene.SignCount(); ++i) {
    EXPECT_TRUE(names.insert(scene.SignAt(i)->bannerTexture).second) << scene.SignAt(i)->label;
  }
  EXPECT_EQ(names.size(), 14u) << "a texture of its own for the stars and every banner";
}

// Also run at device pixel ratios 1.5, 2 and 3 (see CMakeLists.txt). A re-parent or a screen
// change makes a new native surface: new GL resources, the same scene.
TEST_F(SkyViewTest, DevicePixelViewportAndANewSurfaceThatKeepsTheScene) {
  SkyView view;  // its own, so that the shared view keeps its size
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(240, 240)));
  view.Paint();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  view.resize(400, 250);
  QResizeEvent resize(QSize(400, 250), QSize(240, 240));
  QCoreApplication::sendEvent(&view, &resize);
  EXPECT_EQ(QOpenGLContext::currentContext(), view.Context()) << "a resize leaves it current";
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(QSize(viewport[2], viewport[3]), QSize(400, 250) * view.devicePixelRatio());
  EXPECT_EQ(view.DevicePixelSize(), QSize(400, 250) * view.devicePixelRatio());
  EXPECT_DOUBLE_EQ(view.Scene().Aspect(), 1.6);
  if (const char* expected = std::getenv("ASTRIVO_EXPECT_DPR")) {
    EXPECT_DOUBLE_EQ(view.devicePixelRatio(), std::atof(expected));
  }

  view.destroy();
  EXPECT_EQ(view.Context(), nullptr);
  EXPECT_EQ(view.Scene().SignAt(6)->bannerTexture, 0u) << "a name the next context would not know";
  view.Scene().heading = 149;
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_TRUE(view.StarTexture() != 0 && view.Scene().SignAt(6)->bannerTexture != 0);
  EXPECT_EQ(view.Scene().heading, 149);
}

// Run on the offscreen platform and on xcb without a GL integration (see CMakeLists.txt).
TEST(SkyViewNoGlTest, InitGlFailsAndTheSceneStillWorks) {
  if (!test::ExpectNoGl()) GTEST_SKIP() << "run with OpenGL";
  SkyView view;
  view.resize(200, 150);
  EXPECT_EQ(view.InitGL(), 0);
  EXPECT_EQ(view.Context(), nullptr);
  // The ratings need the bodies and signs whether or not there is a sky to draw.
  EXPECT_EQ(view.Scene().BodyCount(), 6);
  EXPECT_EQ(view.Scene().SignCount(), 12);
  // Painting, repainting and resizing a view without a sky must all be harmless.
  view.show();
  view.Repaint();
  view.Paint();
  view.resize(300, 200);
  QCoreApplication::processEvents();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  EXPECT_EQ(view.InitGL(), 0);
}

}  // namespace
}  // namespace astrivo
