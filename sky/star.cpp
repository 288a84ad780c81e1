// Star: converts a catalogue position from equatorial to ecliptic once, at construction.
#include "sky/star.h"

#include <utility>

namespace astrivo {

Star::Star(std::string starName, double rightAscension, double declination)
    : Vec3(kSkySphereRadius, rightAscension, declination), name(std::move(starName)) {
  SphericalToCartesian();
  // The catalogue's equator is turned by a small twist about Z before the tilt and back after.
  RotateAboutZ(kEquinoxTwist);
  RotateAboutX(-kObliquity);
  RotateAboutZ(-kEquinoxTwist);
  CartesianToSpherical();
}

}  // namespace astrivo
