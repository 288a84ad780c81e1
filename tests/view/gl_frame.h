// Test helpers: a shown SkyView with a working context, and the back buffer read back with
// points projected into it through the matrices the frame left behind.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QPoint>

#include "sky/vec3.h"
#include "view/sky_view.h"

namespace astrivo::test {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

class Frame {
 public:
  // Reads the whole back buffer of the current context (viewport size, device pixels).
  static Frame ReadBack();
  Rgb At(int x, int y) const;  // black outside the frame
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Sum of the red, green and blue levels of the square of `radius` pixels around (x, y).
  long Brightness(QPoint centre, int radius) const;
  // Writes the frame as a PNG when ASTRIVO_FRAME_DIR names a folder, to look at a failure.
  void Keep(const char* name) const;
  // Pixels within `radius` of `centre` (a square) that `match` accepts.
  template <typename Match>
  int Count(QPoint centre, int radius, Match match) const {
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
      for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_ && match(At(x, y))) ++count;
      }
    }
    return count;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rgba_;
};

// Window coordinates (origin bottom left, as glReadPixels counts) of a scene point under the
// current modelview and projection matrices and viewport.
QPoint Project(const Vec3& point);

// A SkyView of `width` x `height` logical pixels, shown, exposed and initialised; null (with
// a test failure) when that cannot be had.
std::unique_ptr<SkyView> ShownView(int width, int height);

// Makes the view's context current and sets a plain perspective looking from `eye` at
// `target` with z up, for drawing single routines.
void LookAt(SkyView& view, const Vec3& eye, const Vec3& target);

}  // namespace astrivo::test
