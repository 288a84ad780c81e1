// The six bodies of the scene and their mean elements, as one table.
#pragma once

#include <memory>
#include <vector>

#include "sky/planet.h"

namespace astrivo {

// Appends EARTH, the Sun, MERCURY, VENUS, MARS and JUPITER, in that order; the four planets
// take EARTH as their reference body.
void BuildSolarSystem(std::vector<std::unique_ptr<Planet>>& bodies);

}  // namespace astrivo
