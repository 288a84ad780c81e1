// Star sprites, sign rings and banners. Sprites and banners are blended additively (the blend
// function is source alpha, one), so a picture's black adds nothing to the sky.
#include "view/sign_painter.h"

#include <cmath>

#include <GL/gl.h>

#include "sky/angles.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

constexpr double kSpriteHalfSize = 1.5;   // degrees of longitude and latitude
constexpr GLfloat kRingLineWidth = 0.5f;  // pixels at 100 %, unsmoothed
constexpr double kRingGrey = 0.5;
constexpr int kRingStepDegrees = 10;        // 37 vertices from 0 to 360 inclusive
constexpr double kTiltToBannerAngle = 0.9;  // degrees of banner tip per tilt step
constexpr double kBannerHalfHeight = 1.4;   // degrees of latitude at tilt 0
constexpr double kBannerTip = 0.2;          // scene units each edge moves at a right angle
constexpr double kBannerPixelsToDegrees = 0.02857142857142857;  // 1/35: half width per pixel
constexpr double kBannerDistanceFactor = 1.2;  // banner distance per unit of the centre's rho

constexpr GLfloat kBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};

// One quad with the whole texture on it: corners in the order of texture corners (0, 0),
// (1, 0), (1, 1), (0, 1).
void TexturedQuad(const Vec3& c0, const Vec3& c1, const Vec3& c2, const Vec3& c3) {
  glBegin(GL_QUADS);
  glTexCoord2d(0.0, 0.0);
  glVertex3dv(c0.Data());
  glTexCoord2d(1.0, 0.0);
  glVertex3dv(c1.Data());
  glTexCoord2d(1.0, 1.0);
  glVertex3dv(c2.Data());
  glTexCoord2d(0.0, 1.0);
  glVertex3dv(c3.Data());
  glEnd();
}

}  // namespace

void SignPainter::Draw(const ZodiacSign& sign, const Vec3& offset, int tilt) const {
  DrawStars(sign, offset);
  DrawRing(sign, offset);
  DrawBanner(sign, offset, tilt);
}

void SignPainter::DrawStars(const ZodiacSign& sign, const Vec3& offset) const {
  // Depth-tested but not depth-writing: sprites never hide each other, so stars at one
  // place add their glows, and they never hide the ring or the banner.
  glDepthMask(GL_FALSE);
  if (!sign.stars.empty()) {
    // The sprites of a sign share their texture, colour, material and culling, so these are
    // set once for the sign: binding the texture again for every sprite made the driver
    // revalidate its sampling each time, most of the frame's cost.
    glBindTexture(GL_TEXTURE_2D, starTexture);
    glColor3d(1.0, 1.0, 1.0);
    // Later lit drawing that sets no material of its own inherits these.
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, kBlack);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, kBlack);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kBlack);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, kBlack);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    for (const Star& star : sign.stars) DrawStar(star, offset);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
  }
  glDepthMask(GL_TRUE);
}

void SignPainter::DrawStar(const Star& star, const Vec3& offset) const {
  // Without the glow texture the quad would be a solid white square; leave the sky empty.
  if (starTexture == 0) return;
  const double r = star.Component(0);
  const double longitude = star.Component(1);
  const double latitude = star.Component(2);
  const Vec3 s1 =
      SphericalPoint(r, longitude + kSpriteHalfSize, latitude + kSpriteHalfSize, offset);
  const Vec3 s2 =
      SphericalPoint(r, longitude - kSpriteHalfSize, latitude + kSpriteHalfSize, offset);
  const Vec3 s3 =
      SphericalPoint(r, longitude - kSpriteHalfSize, latitude - kSpriteHalfSize, offset);
  const Vec3 s4 =
      SphericalPoint(r, longitude + kSpriteHalfSize, latitude - kSpriteHalfSize, offset);
  // Blending goes on and off round each sprite, which keeps every sprite a draw of its own:
  // quads with no state change between them would be merged into one draw, which the driver
  // splits into triangles its own way, moving the glow of some pixels by a level or more.
  glEnable(GL_BLEND);
  TexturedQuad(s1, s2, s3, s4);
  glDisable(GL_BLEND);
}

void SignPainter::DrawRing(const ZodiacSign& sign, const Vec3& offset) const {
  const double rho = sign.Component(0);
  const double longitude = sign.Component(1);
  const double latitude = sign.Component(2);
  const double radius = sign.ringRadius;
  glDisable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glLineWidth(lineWidths.Aliased(kRingLineWidth));
  glColor3d(kRingGrey, kRingGrey, kRingGrey);
  // A circle in longitude and latitude, not a small circle on the sphere.
  glBegin(GL_LINE_STRIP);
  for (int degrees = 0; degrees <= 360; degrees += kRingStepDegrees) {
    const double theta = degrees * kDegreesToRadians;
    const Vec3 point = SphericalPoint(rho, longitude + radius * std::cos(theta),
                                      latitude + radius * std::sin(theta), offset);
    glVertex3dv(point.Data());
  }
  glEnd();
  glEnable(GL_LINE_SMOOTH);
}

void SignPainter::DrawBanner(const ZodiacSign& sign, const Vec3& offset, int tilt) {
  const double rho = sign.Component(0);
  const double longitude = sign.Component(1);
  const double latitude = sign.Component(2);
  const double angle = tilt * kTiltToBannerAngle * kDegreesToRadians;
  const double halfHeight = kBannerHalfHeight * std::cos(angle);
  const double shift = kBannerTip * std::sin(angle);
  const double halfWidth = sign.bannerWidth * kBannerPixelsToDegrees;
  const double distance = kBannerDistanceFactor * rho + sign.bannerOffset;
  // The bottom edge sits further out than the top, so the banner tips about its centre line.
  const Vec3 p0 =
      SphericalPoint(distance + shift, longitude - halfWidth, latitude - halfHeight, offset);
  const Vec3 p1 =
      SphericalPoint(distance + shift, longitude + halfWidth, latitude - halfHeight, offset);
  const Vec3 p2 =
      SphericalPoint(distance - shift, longitude + halfWidth, latitude + halfHeight, offset);
  const Vec3 p3 =
      SphericalPoint(distance - shift, longitude - halfWidth, latitude + halfHeight, offset);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_CULL_FACE);
  glBindTexture(GL_TEXTURE_2D, sign.bannerTexture);
  glEnable(GL_BLEND);
  glShadeModel(GL_SMOOTH);
  glColor3d(1.0, 1.0, 1.0);
  // Counter-clockwise seen from beyond the banner, so culling hides it from the Earth side.
  // Without a texture it would be a white slab; draw nothing then.
  if (sign.bannerTexture != 0) {
    TexturedQuad(p0, p1, p2, p3);
  }
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
}

}  // namespace astrivo
