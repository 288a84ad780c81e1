// The debug-build GL error guard.
#include "view/gl_check.h"

#include <GL/gl.h>

#include <QtGlobal>

namespace astrivo {

void CheckGlErrors([[maybe_unused]] const char* where) {
#ifndef NDEBUG
  // glGetError reports one flag per call; drain them all so each is named.
  bool clean = true;
  for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
    qCritical("GL error 0x%04x after %s", error, where);
    clean = false;
  }
  Q_ASSERT_X(clean, where, "GL error");
#endif
}

}  // namespace astrivo
