// Line widths at any device pixel ratio. The scene's widths are pixels at 100 %,
// but GL draws them in device pixels: at 200 % a 2-pixel trail would come out half as wide
// and a 1-pixel ring would stay 1 device pixel.
#pragma once

namespace astrivo {

class LineWidths {
 public:
  // For the current context at device pixel ratio `ratio`; reads the narrowest smoothed line
  // the context draws. Needs a current GL context.
  static LineWidths ForCurrentContext(double ratio);

  // The widths to hand glLineWidth for a line given as `width` pixels at 100 %: what GL
  // actually draws at 100 % (a smoothed line no narrower than the context's narrowest; an
  // unsmoothed one rounded, at least 1), times the ratio. At 100 % the width is passed on
  // unchanged, since GL draws it the same either way.
  float Smooth(float width) const;
  float Aliased(float width) const;

 private:
  double ratio_ = 1.0;
  float narrowestSmooth_ = 1.0f;  // device pixels
};

}  // namespace astrivo
