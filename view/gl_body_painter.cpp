// Planet and Sun drawing. Each draw sets the lighting it needs; what it leaves behind
// (lighting on or off, the material colours) is what the next draw of the frame relies on.
#include "view/gl_body_painter.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "sky/sky_sphere.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

constexpr GLint kSphereSlices = 20;
constexpr GLint kSphereStacks = 15;
constexpr GLfloat kSightLineWidth = 0.5f;  // pixels at 100 %, smoothed
constexpr GLfloat kTrailLineWidth = 2.0f;  // pixels at 100 %, smoothed
constexpr double kMarkHalfSize = 2.0;      // degrees of longitude and latitude

constexpr GLfloat kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kSunEmission[4] = {0.9f, 0.4f, 0.0f, 1.0f};
constexpr GLfloat kNoEmission[4] = {0.0f, 0.0f, 0.0f, 1.0f};

}  // namespace

GlBodyPainter::GlBodyPainter() : quadric_(gluNewQuadric()) {}

GlBodyPainter::~GlBodyPainter() {
  // gluDeleteQuadric only frees memory; it needs no context.
  if (quadric_ != nullptr) gluDeleteQuadric(quadric_);
}

void GlBodyPainter::DrawPlanet(const Planet& planet) {
  const GLfloat color[4] = {planet.color.red, planet.color.green, planet.color.blue, 1.0f};
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, color);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, color);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT1);
  glDisable(GL_LIGHT2);
  DrawSphere(planet);
  if (planet.reference != nullptr) {
    DrawSightMark(planet);
    DrawTrail(planet);
  }
}

void GlBodyPainter::DrawSun(const Sun& sun) {
  glMaterialfv(GL_FRONT, GL_AMBIENT, kWhite);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kWhite);
  glMaterialfv(GL_FRONT, GL_EMISSION, kSunEmission);
  glEnable(GL_LIGHTING);
  glDisable(GL_LIGHT1);
  glEnable(GL_LIGHT2);
  DrawSphere(sun);
  // Bodies drawn after the Sun must not glow.
  glMaterialfv(GL_FRONT, GL_EMISSION, kNoEmission);
}

void GlBodyPainter::DrawSphere(const Planet& body) {
  glPushMatrix();
  glTranslated(body.Component(0), body.Component(1), body.Component(2));
  glDisable(GL_COLOR_MATERIAL);
  glEnable(GL_LIGHTING);
  if (quadric_ != nullptr) {
    gluQuadricDrawStyle(quadric_, GLU_FILL);
    gluQuadricOrientation(quadric_, GLU_OUTSIDE);
    gluQuadricNormals(quadric_, GLU_SMOOTH);
  }
  glDisable(GL_BLEND);
  // No body carries a picture today; a body given a texture name is drawn textured and lit.
  const bool textured = body.textureName != 0;
  if (textured) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, body.textureName);
  }
  if (quadric_ != nullptr) {
    // The quadric is kept between spheres, so texture coordinates are switched off again for
    // an untextured body rather than inherited from the one before.
    gluQuadricTexture(quadric_, textured ? GL_TRUE : GL_FALSE);
    gluSphere(quadric_, body.radius, kSphereSlices, kSphereStacks);
  }
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

void GlBodyPainter::DrawSightMark(const Planet& planet) const {
  const Planet& reference = *planet.reference;
  glEnable(GL_LIGHTING);
  glLineWidth(lineWidths.Smooth(kSightLineWidth));
  glColor3f(planet.color.red, planet.color.green, planet.color.blue);
  Vec3 sight = planet.sight;
  sight.CartesianToSpherical();
  const double longitude = sight.Component(1);
  const double latitude = sight.Component(2);
  const Vec3 corners[4] = {
      SphericalPoint(kSkySphereRadius, longitude - kMarkHalfSize, latitude - kMarkHalfSize,
                     reference),
      SphericalPoint(kSkySphereRadius, longitude + kMarkHalfSize, latitude + kMarkHalfSize,
                     reference),
      SphericalPoint(kSkySphereRadius, longitude - kMarkHalfSize, latitude + kMarkHalfSize,
                     reference),
      SphericalPoint(kSkySphereRadius, longitude + kMarkHalfSize, latitude - kMarkHalfSize,
                     reference),
  };
  sight.SphericalToCartesian();
  sight.Add(reference);
  glBegin(GL_LINES);
  for (const Vec3& corner : corners) glVertex3dv(corner.Data());
  glVertex3dv(sight.Data());
  glVertex3dv(reference.Data());
  glEnd();
}

void GlBodyPainter::DrawTrail(const Planet& planet) const {
  const int count = planet.trail.Count();
  if (count == 0) return;
  const Planet& reference = *planet.reference;
  glDisable(GL_LIGHTING);
  glLineWidth(lineWidths.Smooth(kTrailLineWidth));
  glBegin(GL_LINE_STRIP);
  // Newest first: the k-th point is drawn at 1 - k/n of the colour, the oldest at black.
  for (int k = 1; k <= count; ++k) {
    const double factor = 1.0 - static_cast<double>(k) / count;
    glColor3d(factor * planet.color.red, factor * planet.color.green, factor * planet.color.blue);
    Vec3 point = *planet.trail.At(k - 1);
    point.Add(reference);
    glVertex3dv(point.Data());
  }
  glEnd();
}

}  // namespace astrivo
