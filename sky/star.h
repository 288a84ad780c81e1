// A named star on the sky sphere of radius 5, kept in spherical ecliptic form.
#pragma once

#include <string>

#include "sky/sky_sphere.h"
#include "sky/vec3.h"

namespace astrivo {

constexpr double kEquinoxTwist = 0.42121;  // degrees, applied about Z before and after the tilt
constexpr double kObliquity = 23.5;        // degrees between the equator and the ecliptic

// Components: (5, ecliptic longitude° in -180..180, ecliptic latitude°).
class Star : public Vec3 {
 public:
  // Right ascension and declination in degrees (equatorial); converted once to ecliptic.
  Star(std::string name, double rightAscension, double declination);

  std::string name;
};

}  // namespace astrivo
