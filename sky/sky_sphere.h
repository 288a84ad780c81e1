// The sphere round the Earth that the constellations, the planets' sight marks and the ecliptic
// ring lie on.
#pragma once

namespace astrivo {

constexpr double kSkySphereRadius = 5.0;  // scene units (astronomical units)

}  // namespace astrivo
