// The one conversion every draw routine repeats: a spherical point around a centre.
#pragma once

#include "sky/vec3.h"

namespace astrivo {

// (radius, longitude°, latitude°) converted to Cartesian form, with `offset` added.
inline Vec3 SphericalPoint(double radius, double longitude, double latitude, const Vec3& offset) {
  Vec3 point(radius, longitude, latitude);
  point.SphericalToCartesian();
  point.Add(offset);
  return point;
}

}  // namespace astrivo
