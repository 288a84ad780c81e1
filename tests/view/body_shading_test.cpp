// The bodies' colours and lights, read back pixel by pixel: each planet of the scene as its
// lit and its dark side show it, the Sun's glow, and the sight mark.
#include "gl_frame.h"
#include "view/gl_body_painter.h"
#include "view/sky_geometry.h"

namespace astrivo {
namespace {

using BodyShadingTest = test::GlTest;

// The frame's two lights: light 1 a point light at the Sun (the origin here), light 2 a dim
// directional light from the viewer's upper right. Set with the matrices the draw will use.
void SetLights() {
  const GLfloat sunAmbient[4] = {0.3f, 0.3f, 0.3f, 1.0f};
  const GLfloat sunDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  const GLfloat atSun[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  const GLfloat viewerDiffuse[4] = {0.3f, 0.3f, 0.3f, 1.0f};
  const GLfloat fromViewer[4] = {1.0f, 1.0f, 1.0f, 0.0f};
  glLightfv(GL_LIGHT1, GL_AMBIENT, sunAmbient);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, sunDiffuse);
  glLightfv(GL_LIGHT1, GL_POSITION, atSun);
  glPushMatrix();
  glLoadIdentity();  // fixed to the viewer
  glLightfv(GL_LIGHT2, GL_DIFFUSE, viewerDiffuse);
  glLightfv(GL_LIGHT2, GL_POSITION, fromViewer);
  glPopMatrix();
  glEnable(GL_LIGHT1);
  glEnable(GL_LIGHT2);
}

QRgb CentrePixel(const QImage& frame) { return frame.pixel(frame.width() / 2, frame.height() / 2); }

bool Near(QRgb c, int r, int g, int b, int tolerance) {
  return std::abs(qRed(c) - r) <= tolerance && std::abs(qGreen(c) - g) <= tolerance &&
         std::abs(qBlue(c) - b) <= tolerance;
}

std::string Rgb(QRgb c) {
  return std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," + std::to_string(qBlue(c));
}

// Each planet of the scene drawn as a sphere of radius 1 at 4 units from the Sun, right after
// the Sun itself (as the frame draws them). Seen from the Sun, the middle of the sphere takes
// 0.2 (GL's global ambient) + 0.3 (light 1's ambient) + about 0.98 of light 1's diffuse (the
// smooth normals nearest the middle lean 6 and 9 degrees): 1.48 times the colour. Seen from
// behind, light 1 cannot reach it: 0.5 times the colour. Light 2 would add 0.17 times the
// colour there, a glow left on from the Sun (0.9, 0.4, 0) more; a swapped channel shows at once.
// The colours are the scene's catalogue: EARTH (0, 1, 1), MERCURY (0.8, 0.8, 1), VENUS (0, 1, 0),
// MARS (1, 0, 0), JUPITER (0, 0.5, 1).
TEST_F(BodyShadingTest, EachPlanetShowsItsColourLitByTheSunAlone) {
  struct Case {
    const char* name;
    int index;    // in the scene's body list
    int lit[3];   // 1.48 x colour x 255, clipped
    int dark[3];  // 0.5 x colour x 255
  };
  const Case cases[] = {
      {"EARTH", 0, {0, 255, 255}, {0, 128, 128}},  {"MERCURY", 2, {255, 255, 255}, {102, 102, 128}},
      {"VENUS", 3, {0, 255, 0}, {0, 128, 0}},      {"MARS", 4, {255, 0, 0}, {128, 0, 0}},
      {"JUPITER", 5, {0, 189, 255}, {0, 64, 128}},
  };
  Sun sun;
  sun.radius = 0.25;
  for (const Case& c : cases) {
    const Planet& body = *view_->Scene().BodyAt(c.index);
    ASSERT_EQ(body.name, c.name);
    Planet probe;
    probe.color = body.color;
    probe.radius = 1.0;
    probe.Set(0.0, 4.0, 0.0);
    for (bool fromSun : {true, false}) {
      test::LookAt(Vec3(0.0, fromSun ? 0.5 : 8.0, 0.0), probe);
      SetLights();
      GlBodyPainter painter;
      painter.DrawSun(sun);
      painter.DrawPlanet(probe);
      const QRgb pixel = CentrePixel(test::ReadFrame());
      const int* rgb = fromSun ? c.lit : c.dark;
      EXPECT_TRUE(Near(pixel, rgb[0], rgb[1], rgb[2], 6))
          << c.name << (fromSun ? " lit side " : " dark side ") << Rgb(pixel);
    }
  }
}

// The Sun seen face on: emission (0.9, 0.4, 0) + global ambient 0.2 + light 2's 0.3 at about
// 0.58 (its direction against the face-on normal): (1.27, 0.77, 0.37), red clipped. Light 1's
// ambient would add 0.3 to green and blue.
TEST_F(BodyShadingTest, SunGlowsUnderTheViewerLightAlone) {
  Sun sun;
  sun.radius = 0.25;
  test::LookAt(Vec3(0.0, -2.0, 0.0), sun);
  SetLights();
  GlBodyPainter().DrawSun(sun);
  const QRgb pixel = CentrePixel(test::ReadFrame());
  EXPECT_TRUE(Near(pixel, 255, 197, 95, 12)) << Rgb(pixel);
}

// The sight mark: a cross of two 4-degree diagonals where the planet is seen on the sphere of
// radius 5 round the Earth, and a line from the Earth to it, all in the planet's colour.
TEST_F(BodyShadingTest, SightMarkIsACrossWithALineFromTheEarth) {
  Planet earth;
  earth.Set(1.0, -1.0, 0.0);
  Planet mars(&earth, "MARS", 0);
  mars.color = {1.0f, 0.0f, 0.0f};
  mars.radius = 0.01;
  mars.Set(-40.0, 0.0, 0.0);  // the sphere far out of view
  mars.sight = SphericalPoint(5.0, 90.0, 0.0, Vec3());
  const Vec3 mark = SphericalPoint(5.0, 90.0, 0.0, earth);
  test::LookAt(Vec3(8.0, -5.5, 7.0), Vec3(1.0, 1.5, 0.0));
  SetLights();
  GlBodyPainter().DrawPlanet(mars);
  const QImage frame = test::ReadFrame();
  const auto red = [](QRgb c) { return qRed(c) > 40 && qGreen(c) < 20 && qBlue(c) < 20; };
  const auto along = [](const Vec3& from, const Vec3& to, double t) {
    Vec3 step = to;
    step.Subtract(from).Scale(t);
    return step.Add(from);
  };
  const Vec3 corners[4] = {
      SphericalPoint(5.0, 88.0, -2.0, earth), SphericalPoint(5.0, 92.0, 2.0, earth),
      SphericalPoint(5.0, 88.0, 2.0, earth), SphericalPoint(5.0, 92.0, -2.0, earth)};
  for (double t : {0.2, 0.5, 0.8}) {
    EXPECT_GT(test::Sum(frame, test::Around(test::Project(along(earth, mark, t)), 1), red), 0)
        << "the line from the Earth at " << t;
  }
  for (int arm = 0; arm < 4; arm += 2) {
    for (double t : {0.15, 0.85}) {
      const Vec3 point = along(corners[arm], corners[arm + 1], t);
      EXPECT_GT(test::Sum(frame, test::Around(test::Project(point), 1), red), 0)
          << "the cross's arm " << arm << " at " << t;
    }
  }
}

}  // namespace
}  // namespace astrivo
