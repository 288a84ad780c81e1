// Draws a zodiac sign in three layers: a glowing sprite per star, a grey ring round the sign
// and the banner with its name, which tips with the view's tilt.
#pragma once

#include "sky/star.h"
#include "sky/vec3.h"
#include "sky/zodiac_sign.h"
#include "view/line_widths.h"

namespace astrivo {

class SignPainter {
 public:
  // Every call needs a current GL context and leaves lighting off, line smoothing on, depth
  // writes on, texturing and blending off, culling on, line width 0.5, colour (1, 1, 1),
  // smooth shading and all material colours (0, 0, 0, 1) on both faces.
  // `offset` is the Earth's position (the star sphere's centre); `tilt` the view's 0..90.
  void Draw(const ZodiacSign& sign, const Vec3& offset, int tilt) const;
  void DrawStars(const ZodiacSign& sign, const Vec3& offset) const;
  // One sprite, blended; DrawStars sets the texture, colour, material and culling that all
  // sprites of a sign share around it.
  void DrawStar(const Star& star, const Vec3& offset) const;
  void DrawRing(const ZodiacSign& sign, const Vec3& offset) const;
  static void DrawBanner(const ZodiacSign& sign, const Vec3& offset, int tilt);

  unsigned int starTexture = 0;  // the star glow texture every sprite binds; 0 for none
  LineWidths lineWidths;         // the device pixel ratio the rings are drawn at
};

}  // namespace astrivo
