// One frame of the sky. The order of the steps matters: the lights are placed under the
// camera translation alone, before the view rotations, and each body sets its own lighting.
#include "view/scene_renderer.h"

#include <cmath>

#include <GL/gl.h>
#include <GL/glu.h>

#include "sky/angles.h"
#include "sky/sky_sphere.h"
#include "view/gl_check.h"

namespace astrivo {
namespace {

constexpr double kNearPlane = static_cast<double>(0.1f);  // scene units, as a float
constexpr double kFarPlane = 500.0;                       // scene units
constexpr double kTiltScale = 0.01 * 90.0;                // degrees of x rotation per tilt step
constexpr double kTiltBase = -90.0;                       // degrees: edge-on at tilt 0
constexpr double kHeadingBase = -90.0;                    // degrees of z rotation at heading 0
constexpr int kEclipticStepDegrees = 10;                  // 37 vertices from 0 to 360 inclusive
constexpr GLfloat kEclipticLineWidth = 0.5f;              // pixels at 100 %, unsmoothed
constexpr double kEclipticGrey = 0.5;

// Light 1 is a point light at the Sun; light 2 a dim directional light fixed to the viewer.
constexpr GLfloat kSunLightAmbient[4] = {0.3f, 0.3f, 0.3f, 1.0f};
constexpr GLfloat kSunLightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kSunLightPosition[4] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr GLfloat kViewLightDiffuse[4] = {0.3f, 0.3f, 0.3f, 1.0f};
constexpr GLfloat kViewLightPosition[4] = {1.0f, 1.0f, 1.0f, 0.0f};

void CameraStep(const SkyScene& scene) {
  gluPerspective(scene.FieldOfView(), scene.Aspect(), kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  const Vec3& camera = scene.Camera();
  glTranslated(camera.Component(0), camera.Component(1), camera.Component(2));
}

void LightStep() {
  glEnable(GL_LIGHT1);
  glLightfv(GL_LIGHT1, GL_AMBIENT, kSunLightAmbient);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, kSunLightDiffuse);
  glLightfv(GL_LIGHT1, GL_POSITION, kSunLightPosition);
  glEnable(GL_LIGHT2);
  glLightfv(GL_LIGHT2, GL_DIFFUSE, kViewLightDiffuse);
  glLightfv(GL_LIGHT2, GL_POSITION, kViewLightPosition);
}

// The grey ring in the ecliptic plane (z = 0, whatever the Earth's z), radius 5 round it.
void EclipticRingStep(const Vec3& centre, const LineWidths& lineWidths) {
  const double cx = centre.Component(0);
  const double cy = centre.Component(1);
  glDisable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glLineWidth(lineWidths.Aliased(kEclipticLineWidth));
  glColor3d(kEclipticGrey, kEclipticGrey, kEclipticGrey);
  glBegin(GL_LINE_STRIP);
  for (int degrees = 0; degrees <= 360; degrees += kEclipticStepDegrees) {
    const double a = degrees * kDegreesToRadians;
    glVertex3d(cx + kSkySphereRadius * std::cos(a), cy + kSkySphereRadius * std::sin(a), 0.0);
  }
  glEnd();
  glEnable(GL_LINE_SMOOTH);
}

}  // namespace

void SceneRenderer::SetUpFixedState() {
  glEnable(GL_DEPTH_TEST);
  glClearDepth(1.0);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glEnable(GL_DEPTH_TEST);  // again, as the set-up sequence it follows gives it; harmless
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_LIGHTING);
  glShadeModel(GL_SMOOTH);
  glPolygonMode(GL_FRONT, GL_FILL);
  // Additive blending, switched on only around what is blended.
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_CULL_FACE);
  glDisable(GL_COLOR_MATERIAL);
  glDepthMask(GL_TRUE);
  // No texture is bound yet, so these reach the default texture only; named textures keep
  // a new texture object's defaults.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  CheckGlErrors("SetUpFixedState");
}

SceneRenderer::SceneRenderer() : drawBuffer_(GL_BACK) {}

void SceneRenderer::SetPixelRatio(double ratio) {
  lineWidths_ = LineWidths::ForCurrentContext(ratio);
  bodies_.lineWidths = lineWidths_;
  signs_.lineWidths = lineWidths_;
}

void SceneRenderer::Render(const SkyScene& scene) {
  glDrawBuffer(drawBuffer_);
  glRenderMode(GL_RENDER);
  // The window may carry an alpha channel that the compositor blends with what lies behind
  // it (Wayland's EGL hands out ARGB surfaces even when none is asked for). Smoothed lines
  // and blending would leave alpha below 1 there, so alpha is cleared to 1 and then never
  // written: the frame is opaque everywhere. The blend function reads source alpha only.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  // Nothing draws into the stencil buffer, but depth and stencil share one packed buffer, and
  // clearing depth alone would have to keep the stencil bytes (a read-modify-write).
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glEnable(GL_LIGHTING);
  CameraStep(scene);
  LightStep();
  glRotated(scene.tilt * kTiltScale + kTiltBase, 1.0, 0.0, 0.0);
  glRotated(-scene.heading + kHeadingBase, 0.0, 0.0, 1.0);
  // A scene without bodies is never shown; should one be drawn, its sphere centres on the
  // origin.
  const Planet* earth = scene.Earth();
  const Vec3 centre = earth != nullptr ? Vec3(earth->Data()) : Vec3();
  EclipticRingStep(centre, lineWidths_);
  for (int i = 0; i < scene.BodyCount(); ++i) scene.BodyAt(i)->Draw(bodies_);
  glDisable(GL_LIGHTING);
  for (int i = 0; i < scene.SignCount(); ++i) signs_.Draw(*scene.SignAt(i), centre, scene.tilt);
  CheckGlErrors("Render");
}

}  // namespace astrivo
