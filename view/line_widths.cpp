// Line widths scaled to the device pixel ratio.
#include "view/line_widths.h"

#include <algorithm>
#include <cmath>

#include <GL/gl.h>

namespace astrivo {

LineWidths LineWidths::ForCurrentContext(double ratio) {
  LineWidths widths;
  widths.ratio_ = ratio;
  // GL_LINE_WIDTH_RANGE: the smoothed widths the context draws, narrowest first.
  GLfloat range[2] = {1.0f, 1.0f};
  glGetFloatv(GL_LINE_WIDTH_RANGE, range);
  if (range[0] > 0.0f) widths.narrowestSmooth_ = range[0];
  return widths;
}

float LineWidths::Smooth(float width) const {
  if (ratio_ == 1.0) return width;
  return static_cast<float>(std::max(width, narrowestSmooth_) * ratio_);
}

float LineWidths::Aliased(float width) const {
  if (ratio_ == 1.0) return width;
  return static_cast<float>(std::max(1.0f, std::round(width)) * ratio_);
}

}  // namespace astrivo
