// Draws the bodies of the sky model: lit planets with their sight marks and fading trails,
// and the self-glowing Sun.
#pragma once

#include "sky/planet.h"
#include "view/line_widths.h"

class GLUquadric;

namespace astrivo {

class GlBodyPainter : public BodyPainter {
 public:
  // The quadric is kept for the painter's lifetime rather than made for every sphere.
  GlBodyPainter();
  ~GlBodyPainter();
  GlBodyPainter(const GlBodyPainter&) = delete;
  GlBodyPainter& operator=(const GlBodyPainter&) = delete;

  // Both need a current GL context with the frame's lights set up.
  void DrawPlanet(const Planet& planet) override;
  void DrawSun(const Sun& sun) override;

  LineWidths lineWidths;  // the device pixel ratio the lines are drawn at

 private:
  void DrawSphere(const Planet& body);
  void DrawSightMark(const Planet& planet) const;
  void DrawTrail(const Planet& planet) const;

  GLUquadric* quadric_ = nullptr;
};

}  // namespace astrivo
