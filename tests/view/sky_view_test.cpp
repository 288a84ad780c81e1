// SkyView: the surface and textures it makes, every picture's mipmaps against GLU's, paint and
// resize in device pixels, a new native surface, and the paths without OpenGL.
#include <cstdint>
#include <set>
#include <vector>

#include <QResizeEvent>

#include "gl_frame.h"
#include "platform/picture_store.h"
#include "view/picture_texture.h"

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
  const SkyScene& scene = view_->Scene();
  std::set<unsigned int> names{0, view_->StarTexture()};
  for (int i = 0; i < scene.SignCount(); ++i) {
    EXPECT_TRUE(names.insert(scene.SignAt(i)->bannerTexture).second) << scene.SignAt(i)->label;
  }
  EXPECT_EQ(names.size(), 14u) << "a texture of its own for the stars and every banner";
}

// Every level of the bound texture in turn: its width and height, then its blue-green-red rows
// padded to 4 bytes.
std::vector<GLint> Levels() {
  std::vector<GLint> levels;
  GLint width = 0, height = 0;
  for (int level = 0;; ++level) {
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
    if (width == 0 || height == 0) return levels;
    std::vector<std::uint8_t> rows((width * 3 + 3) / 4 * 4 * height);
    glGetTexImage(GL_TEXTURE_2D, level, GL_BGR, GL_UNSIGNED_BYTE, rows.data());
    levels.insert(levels.end(), {width, height});
    levels.insert(levels.end(), rows.begin(), rows.end());
  }
}

TEST_F(SkyViewTest, EveryPictureGivesItsSizeAndGlusMipmaps) {
  // The star glow and the twelve banners at the sizes of the sign table. They carry their
  // mipmap chains ready-made; every level must be what gluBuild2DMipmaps makes of the
  // picture's own pixels (the Sagittarius banner's 653 pixels make rows padded by a byte).
  const struct {
    int id, width, height;
  } pictures[] = {
      {149, 200, 200}, {150, 476, 83}, {151, 360, 79}, {152, 313, 76}, {163, 362, 73},
      {156, 360, 76},  {158, 365, 79}, {157, 193, 74}, {162, 311, 75}, {159, 314, 76},
      {153, 422, 73},  {164, 653, 79}, {161, 539, 77},
  };
  for (const auto& expected : pictures) {
    SCOPED_TRACE(testing::Message() << "picture " << expected.id);
    Picture picture;
    ASSERT_TRUE(LoadPicture(expected.id, picture));
    GLuint reference = 0;
    glGenTextures(1, &reference);
    glBindTexture(GL_TEXTURE_2D, reference);
    ASSERT_EQ(gluBuild2DMipmaps(GL_TEXTURE_2D, 3, picture.width, picture.height, GL_BGR,
                                GL_UNSIGNED_BYTE, picture.bgrRows.data()),
              0);
    const auto gluLevels = Levels();
    const PictureTexture texture = LoadPictureTexture(expected.id);
    EXPECT_EQ(texture.width, expected.width);
    EXPECT_EQ(texture.height, expected.height);
    EXPECT_NE(texture.name, 0u);
    EXPECT_TRUE(Levels() == gluLevels);
    glDeleteTextures(1, &reference);
  }
  EXPECT_EQ(LoadPictureTexture(9999).name, 0u) << "no such picture";
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Also run at device pixel ratios 1.5, 2 and 3 (see CMakeLists.txt). A re-parent or a screen
// change makes a new native surface: new GL resources, the same scene.
TEST_F(SkyViewTest, DevicePixelViewportAndANewSurfaceThatKeepsTheScene) {
  SkyView view;  // its own, so that the shared view keeps its size
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(240, 240)));
  view.Paint();
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  view.destroy();
  EXPECT_EQ(view.Context(), nullptr);
  EXPECT_EQ(view.Scene().SignAt(6)->bannerTexture, 0u) << "a name the next context would not know";
  view.Scene().heading = 149;
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_TRUE(view.StarTexture() != 0 && view.Scene().SignAt(6)->bannerTexture != 0);
  EXPECT_EQ(view.Scene().heading, 149);

  view.resize(400, 250);
  QResizeEvent resize(QSize(400, 250), QSize(240, 240));
  QCoreApplication::sendEvent(&view, &resize);
  EXPECT_EQ(QOpenGLContext::currentContext(), view.Context()) << "a resize leaves it current";
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(QSize(viewport[2], viewport[3]), QSize(400, 250) * view.devicePixelRatio());
  if (const char* expected = std::getenv("ASTRIVO_EXPECT_DPR")) {
    EXPECT_DOUBLE_EQ(view.devicePixelRatio(), std::atof(expected));
  }
}

// A window taller than wide still shows 15 scene units across. Seen from above the ecliptic
// (heading 0, the tilt turning about the window's horizontal axis only) with the Earth at the
// origin, the ring's points at radius 5 on that axis land 120 logical pixels either side of
// the middle of a 360 x 540 view: x 60 and 300 on row 270, by tests/view/tall_view_reference.py.
// Were the height not divided by the aspect, they would land at x -90 and 450, off the view.
TEST_F(SkyViewTest, TallViewShowsFifteenUnitsAcross) {
  SkyView view;  // its own, so that the shared view keeps its size
  ASSERT_NO_FATAL_FAILURE(test::Show(view, QSize(360, 540)));
  QResizeEvent resize(QSize(360, 540), QSize(480, 480));
  QCoreApplication::sendEvent(&view, &resize);
  view.Context()->makeCurrent(&view);
  SkyScene& scene = view.Scene();
  scene.ClearTrails();
  scene.BodyAt(0)->Set(0.0, 0.0, 0.0);  // the Earth, the ring's centre
  scene.tilt = 90;
  scene.heading = 0;
  view.Renderer().Render(scene);
  const QImage frame = test::ReadFrame();
  const double ratio = view.devicePixelRatio();
  // A compositor may round the window to a device pixel or two more; the places are taken
  // from the middle of the frame it gave.
  ASSERT_LE(std::abs(frame.width() - 360 * ratio), 2 * ratio);
  ASSERT_LE(std::abs(frame.height() - 540 * ratio), 2 * ratio);
  ASSERT_GT(frame.height(), frame.width());
  const auto grey = [](QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 128) <= 2;
  };
  for (int x : {60, 300}) {
    const QPoint at(frame.width() / 2 + static_cast<int>((x - 180) * ratio), frame.height() / 2);
    EXPECT_GT(test::Sum(frame, test::Around(at, 2), grey), 0) << "no ring at x " << x;
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A lost context takes its textures with it; the names must be forgotten all the same, or a
// new context would draw with names it never made. No GL call is made, so none is needed.
TEST(PictureTextureTest, ReleaseWithoutAContextForgetsEveryName) {
  SkyScene scene;
  scene.Build();
  for (int i = 0; i < scene.SignCount(); ++i) scene.SignAt(i)->bannerTexture = 100u + i;
  for (int i = 0; i < scene.BodyCount(); ++i) scene.BodyAt(i)->textureName = 200u + i;
  ReleaseSceneTextures(scene, false);
  for (int i = 0; i < scene.SignCount(); ++i) EXPECT_EQ(scene.SignAt(i)->bannerTexture, 0u) << i;
  for (int i = 0; i < scene.BodyCount(); ++i) EXPECT_EQ(scene.BodyAt(i)->textureName, 0u) << i;
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
