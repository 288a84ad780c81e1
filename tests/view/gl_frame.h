// Pixel test helpers: one shown SkyView shared by every pixel test, its back buffer read back,
// and scene points projected into it through the matrices the draw left behind.
#pragma once

#include <cmath>
#include <cstdlib>
#include <memory>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QOpenGLContext>
#include <QTest>

#include "sky/vec3.h"
#include "view/sky_view.h"

namespace astrivo::test {

// The pixel tests skip themselves in the runs where no OpenGL is to be had.
inline bool ExpectNoGl() { return std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr; }

// The view of the whole binary: made by the first pixel test, released by main while the
// application still exists.
inline std::unique_ptr<SkyView>& SharedView() {
  static std::unique_ptr<SkyView> view;
  return view;
}

// Initialises and shows `view` at `size` logical pixels and makes its context current. A
// view of a test's own hides the shared one: a Wayland compositor sends no frame callbacks
// to a window hidden behind another, and Qt then counts that window as unexposed.
inline void Show(SkyView& view, QSize size) {
  if (SharedView() && SharedView().get() != &view) SharedView()->hide();
  view.resize(size);
  ASSERT_EQ(view.InitGL(), 1) << "no OpenGL on this display";
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  view.Context()->makeCurrent(&view);
}

// Base of the pixel tests: the shared view at 480 x 480 logical pixels, shown and current.
class GlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
    if (!SharedView()) SharedView() = std::make_unique<SkyView>();
    view_ = SharedView().get();
    ASSERT_NO_FATAL_FAILURE(Show(*view_, QSize(480, 480)));
  }
  SkyView* view_ = nullptr;
};

// The back buffer of the current context: the viewport in device pixels, row 0 at the bottom.
// Where the platform draws the window through a framebuffer object of its own (Wayland with
// client-side decorations), that object's colour buffer stands for the back buffer.
inline QImage ReadFrame() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  QImage frame(viewport[2], viewport[3], QImage::Format_RGBA8888);
  glFinish();
  const bool fbo = QOpenGLContext::currentContext()->defaultFramebufferObject() != 0;
  glReadBuffer(fbo ? GL_COLOR_ATTACHMENT0 : GL_BACK);
  glReadPixels(0, 0, frame.width(), frame.height(), GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
  return frame;
}

// The sum of `value` over the pixels of `area` inside `frame`; a test counts passing pixels.
template <typename Value>
long Sum(const QImage& frame, QRect area, Value value) {
  long sum = 0;
  area &= frame.rect();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) sum += value(frame.pixel(x, y));
  }
  return sum;
}

inline int Light(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

// The (192, 192, 0) of the banners' letters.
inline bool LetterYellow(QRgb c) {
  return std::abs(qRed(c) - 192) <= 10 && std::abs(qGreen(c) - 192) <= 10 && qBlue(c) <= 10;
}

// The square of `radius` pixels around `centre`.
inline QRect Around(QPoint centre, int radius) {
  return {centre.x() - radius, centre.y() - radius, 2 * radius + 1, 2 * radius + 1};
}

// Window coordinates of a scene point under the current matrices and viewport.
inline QPoint Project(const Vec3& point) {
  GLdouble modelview[16], projection[16], x = 0, y = 0, z = 0;
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  gluProject(point.Component(0), point.Component(1), point.Component(2), modelview, projection,
             viewport, &x, &y, &z);
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

// Clears and sets a 30-degree perspective on the square view from `eye` to `target`, z up and
// lighting off, for drawing single routines.
inline void LookAt(const Vec3& eye, const Vec3& target) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30.0, 1.0, 0.01, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(eye.Component(0), eye.Component(1), eye.Component(2), target.Component(0),
            target.Component(1), target.Component(2), 0.0, 0.0, 1.0);
  glDisable(GL_LIGHTING);
}

}  // namespace astrivo::test
