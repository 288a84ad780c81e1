// Angle conversion shared by the sky model and the view: every angle in the model is in degrees.
#pragma once

namespace astrivo {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kRadiansToDegrees = 57.29577951308232;

}  // namespace astrivo
