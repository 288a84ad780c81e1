// Pixel test helpers: a shown SkyView with its context current, and the back buffer read
// back with points projected into it through the matrices the draw left behind.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <QOpenGLContext>
#include <QRect>
#include <QTest>

#include "sky/vec3.h"
#include "view/sky_view.h"

namespace astrivo::test {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

// The square of `radius` pixels around `centre`.
inline QRect Around(QPoint centre, int radius) {
  return {centre.x() - radius, centre.y() - radius, 2 * radius + 1, 2 * radius + 1};
}

// The back buffer of the current context (viewport size, device pixels, origin bottom left).
class Frame {
 public:
  Frame() {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    width_ = viewport[2];
    height_ = viewport[3];
    rgba_.resize(static_cast<std::size_t>(width_) * height_ * 4);
    glFinish();
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba_.data());
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const {  // black outside the frame
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::uint8_t* p = rgba_.data() + (static_cast<std::size_t>(y) * width_ + x) * 4;
    return {p[0], p[1], p[2]};
  }
  // Sum over `area` of what `value` gives for each pixel.
  template <typename Value>
  long Sum(QRect area, Value value) const {
    long sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) sum += value(At(x, y));
    }
    return sum;
  }
  template <typename Match>
  int Count(QRect area, Match match) const {
    return static_cast<int>(Sum(area, [&](Rgb c) { return match(c) ? 1 : 0; }));
  }
  long Brightness(QRect area) const {
    return Sum(area, [](Rgb c) { return c.r + c.g + c.b; });
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rgba_;
};

// Window coordinates of a scene point under the current matrices and viewport.
inline QPoint Project(const Vec3& point) {
  GLdouble modelview[16];
  GLdouble projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble x = 0;
  GLdouble y = 0;
  GLdouble z = 0;
  gluProject(point.Component(0), point.Component(1), point.Component(2), modelview, projection,
             viewport, &x, &y, &z);
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

// Makes the view's context current, clears, and sets a plain perspective looking from `eye`
// at `target` with z up and lighting off, for drawing single routines.
inline void LookAt(SkyView& view, const Vec3& eye, const Vec3& target) {
  view.Context()->makeCurrent(&view);
  glDrawBuffer(GL_BACK);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const QSize pixels = view.DevicePixelSize();
  gluPerspective(30.0, static_cast<double>(pixels.width()) / pixels.height(), 0.01, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(eye.Component(0), eye.Component(1), eye.Component(2), target.Component(0),
            target.Component(1), target.Component(2), 0.0, 0.0, 1.0);
  glDisable(GL_LIGHTING);
}

// The pixel tests skip themselves in the runs where no OpenGL is to be had.
inline bool ExpectNoGl() { return std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr; }

// Base of the pixel tests: a view of kSize x kSize logical pixels, initialised, shown and
// exposed, with its context current.
template <int kSize>
class GlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ExpectNoGl()) GTEST_SKIP() << "run without OpenGL";
    view_ = std::make_unique<SkyView>();
    view_->resize(kSize, kSize);
    ASSERT_EQ(view_->InitGL(), 1) << "no OpenGL on this display";
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    view_->Context()->makeCurrent(view_.get());
  }
  std::unique_ptr<SkyView> view_;
};

// The (192, 192, 0) of the banners' letters.
inline bool LetterYellow(Rgb c) {
  return std::abs(c.r - 192) <= 10 && std::abs(c.g - 192) <= 10 && c.b <= 10;
}

}  // namespace astrivo::test
