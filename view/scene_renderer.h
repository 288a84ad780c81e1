// The frame: projection, camera, lights and the two view rotations, then the ecliptic ring,
// the bodies and the signs, drawn into the current GL context.
#pragma once

#include "sky/sky_scene.h"
#include "view/gl_body_painter.h"
#include "view/sign_painter.h"

namespace astrivo {

class SceneRenderer {
 public:
  // Sets the fixed GL state the frame relies on; once, right after the context is made.
  static void SetUpFixedState();

  // Draws one frame of `scene`. Builds and allocates nothing. Afterwards the projection
  // matrix holds the perspective and the modelview matrix the camera and both rotations.
  void Render(const SkyScene& scene);

  SignPainter& Signs() { return signs_; }
  const SignPainter& Signs() const { return signs_; }

 private:
  GlBodyPainter bodies_;
  SignPainter signs_;
};

}  // namespace astrivo
