// The frame: projection, camera, lights and the two view rotations, then the ecliptic ring,
// the bodies and the signs, drawn into the current GL context.
#pragma once

#include "sky/sky_scene.h"
#include "view/gl_body_painter.h"
#include "view/line_widths.h"
#include "view/sign_painter.h"

namespace astrivo {

class SceneRenderer {
 public:
  SceneRenderer();

  // Sets the fixed GL state the frame relies on; once, right after the context is made.
  static void SetUpFixedState();

  // Draws one frame of `scene`. Builds and allocates nothing. Afterwards the projection
  // matrix holds the perspective and the modelview matrix the camera and both rotations.
  void Render(const SkyScene& scene);

  // The device pixel ratio the lines are scaled to; reads the context's line width range, so
  // it needs a current context. 1 until set.
  void SetPixelRatio(double ratio);
  // The colour buffer a frame draws into: GL_BACK for a double-buffered window (the
  // default), or GL_COLOR_ATTACHMENT0 where the platform draws the window through a
  // framebuffer object of its own (Qt's Wayland windows with client-side decorations).
  void SetDrawBuffer(unsigned int buffer) { drawBuffer_ = buffer; }

  GlBodyPainter& Bodies() { return bodies_; }
  SignPainter& Signs() { return signs_; }
  const SignPainter& Signs() const { return signs_; }

 private:
  GlBodyPainter bodies_;
  SignPainter signs_;
  LineWidths lineWidths_;
  unsigned int drawBuffer_;
};

}  // namespace astrivo
