// One body of the solar-system model: its mean orbital elements, its heliocentric ecliptic
// position for a given day and, with a reference body, the direction it is seen in and its trail.
#pragma once

#include <string>

#include "sky/sky_sphere.h"
#include "sky/trail.h"
#include "sky/vec3.h"

namespace astrivo {

class Planet;
class Sun;

// The view draws bodies through this; the model itself knows nothing of GL.
class BodyPainter {
 public:
  virtual void DrawPlanet(const Planet& planet) = 0;
  virtual void DrawSun(const Sun& sun) = 0;

 protected:
  ~BodyPainter() = default;
};

// An element that drifts linearly with time: value = atEpoch + perDay * dayNumber.
struct DriftingElement {
  double atEpoch = 0.0;  // value at day 0 (31 December 1999)
  double perDay = 0.0;   // change per day
};

// Mean elements; angles in degrees, the semi-major axis in astronomical units.
struct OrbitalElements {
  DriftingElement node;          // longitude of the ascending node N
  DriftingElement inclination;   // i
  DriftingElement perihelion;    // argument of perihelion w
  double semiMajorAxis = 0.0;    // a, constant
  DriftingElement eccentricity;  // e
  DriftingElement meanAnomaly;   // M
};

// The elements as last computed by UpdatePosition; meanAnomaly lies in 0..360.
struct CurrentElements {
  double node = 0.0;
  double inclination = 0.0;
  double perihelion = 0.0;
  double eccentricity = 0.0;
  double meanAnomaly = 0.0;
};

struct BodyColor {
  float red = 0.0f;
  float green = 0.0f;
  float blue = 0.0f;
};

// The Planet's own components are its heliocentric ecliptic position (x, y, z) in AU.
class Planet : public Vec3 {
 public:
  Planet() = default;
  // pictureId 0 means no picture; the view turns a picture into textureName later.
  Planet(const Planet* reference, std::string name, int pictureId);
  Planet(const Planet&) = delete;
  Planet& operator=(const Planet&) = delete;
  virtual ~Planet() = default;

  // Moves the body to the day (day number as a double); see the orbit model in planet.cpp.
  void UpdatePosition(double dayNumber);
  void ClearTrail() { trail.Clear(); }
  virtual void Draw(BodyPainter& painter) const { painter.DrawPlanet(*this); }

  unsigned int textureName = 0;       // GL texture name, 0 for none; set by the view
  int pictureId = 0;                  // built-in picture for the texture, 0 for none
  Vec3 sight;                         // from the reference body toward this one, length 5
  std::string name;                   // empty for the Sun
  const Planet* reference = nullptr;  // not owned; null for EARTH and the Sun
  BodyColor color;
  double radius = 0.0;  // drawn sphere radius, scene units
  OrbitalElements elements;
  CurrentElements current;
  Trail trail;  // past sight directions, newest first, at most 200
};

class Sun : public Planet {
 public:
  Sun() = default;
  void Draw(BodyPainter& painter) const override { painter.DrawSun(*this); }
};

}  // namespace astrivo
