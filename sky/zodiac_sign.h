// One zodiac constellation: its stars, its centre, its ring radius and its banner picture.
#pragma once

#include <string>
#include <vector>

#include "sky/star.h"
#include "sky/vec3.h"

namespace astrivo {

// Components: (5, 0, 0) until ComputeCentre, then (rho, centre longitude°, centre latitude°),
// where rho is the distance of the stars' mean point from the origin.
class ZodiacSign : public Vec3 {
 public:
  // bannerWidth is the banner picture's width in pixels; it sizes the banner even when the
  // view could make no texture from the picture.
  ZodiacSign(std::string label, double bannerOffset, int bannerPicture, double bannerWidth);

  void AddStar(std::string name, double rightAscension, double declination);
  // Needs at least one star.
  void ComputeCentre();

  std::string label;               // mixed case, e.g. "Aquarius"
  double ringRadius = 0.0;         // degrees, set by ComputeCentre
  double bannerWidth = 0.0;        // pixels
  double bannerOffset = 0.0;       // extra distance of the banner: 0, 0.5 or 1
  int bannerPicture = 0;           // built-in picture id of the banner
  unsigned int bannerTexture = 0;  // GL texture name, made by the view; 0 for none
  std::vector<Star> stars;         // in the order added
};

}  // namespace astrivo
