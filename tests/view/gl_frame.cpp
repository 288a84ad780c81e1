// Back-buffer read-back and projection for the pixel tests.
#include "gl_frame.h"

#include <cmath>
#include <cstdlib>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QOpenGLContext>
#include <QTest>

namespace astrivo::test {

Frame Frame::ReadBack() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  Frame frame;
  frame.width_ = viewport[2];
  frame.height_ = viewport[3];
  frame.rgba_.resize(static_cast<std::size_t>(frame.width_) * frame.height_ * 4);
  glFinish();
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, frame.width_, frame.height_, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba_.data());
  return frame;
}

Rgb Frame::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const std::uint8_t* p = rgba_.data() + (static_cast<std::size_t>(y) * width_ + x) * 4;
  return {p[0], p[1], p[2]};
}

long Frame::Brightness(QPoint centre, int radius) const {
  long sum = 0;
  for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
    for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
      const Rgb c = At(x, y);
      sum += c.r + c.g + c.b;
    }
  }
  return sum;
}

void Frame::Keep(const char* name) const {
  const char* folder = std::getenv("ASTRIVO_FRAME_DIR");
  if (folder == nullptr) return;
  QImage image(rgba_.data(), width_, height_, width_ * 4, QImage::Format_RGBA8888);
  image.mirrored().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

QPoint Project(const Vec3& point) {
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

std::unique_ptr<SkyView> ShownView(int width, int height) {
  auto view = std::make_unique<SkyView>();
  view->resize(width, height);
  if (view->InitGL() != 1) {
    ADD_FAILURE() << "InitGL failed: no OpenGL on this display";
    return nullptr;
  }
  view->show();
  if (!QTest::qWaitForWindowExposed(view.get())) {
    ADD_FAILURE() << "the view was never exposed";
    return nullptr;
  }
  return view;
}

void LookAt(SkyView& view, const Vec3& eye, const Vec3& target) {
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

}  // namespace astrivo::test
