// The sky view the frame benchmarks draw into: shown at a fixed size, its context made and
// current, ready for direct Render calls.
#pragma once

#include <QOpenGLContext>
#include <QTest>
#include <cstdio>

#include "view/sky_view.h"

namespace astrivo {

constexpr int kBenchWidth = 1280;  // pixels
constexpr int kBenchHeight = 800;  // pixels

// False, after saying so on stderr, where there is no OpenGL view to draw into.
inline bool OpenBenchView(SkyView& view) {
  view.resize(kBenchWidth, kBenchHeight);
  view.show();
  if (!QTest::qWaitForWindowExposed(&view) || view.InitGL() != 1 ||
      !view.Context()->makeCurrent(&view)) {
    std::fprintf(stderr, "no OpenGL view\n");
    return false;
  }
  return true;
}

}  // namespace astrivo
