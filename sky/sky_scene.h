// Everything the view shows and the scoring measures: the six bodies, the twelve signs, the
// camera and the two view angles. It keeps no date; callers pass the day in.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sky/planet.h"
#include "sky/vec3.h"
#include "sky/zodiac_sign.h"

namespace astrivo {

// The view angles' ranges in degrees, as the tilt and heading sliders give them.
constexpr int kTiltMin = 0, kTiltMax = 90, kTiltStart = 30;
constexpr int kHeadingMin = -180, kHeadingMax = 180;

class SkyScene {
 public:
  SkyScene() = default;
  SkyScene(const SkyScene&) = delete;
  SkyScene& operator=(const SkyScene&) = delete;

  // Creates the bodies, then the signs. Needs no GL: the view makes the textures afterwards
  // from each sign's bannerPicture.
  void Build();
  // EARTH first, so the planets' sight directions use the Earth of the same day.
  void UpdatePlanets(double dayNumber);
  void ShowDay(std::int64_t dayNumber);
  void ClearTrails();
  // Sets targetHeading to the sign's centre longitude, truncated toward zero; an index
  // outside the sign list leaves it unchanged.
  void SelectSign(int index);
  // Moves heading 2 degrees toward targetHeading; false once it has landed on it.
  bool StepHeading();
  void Resize(double aspect, double visibleHeight);

  Planet* BodyAt(int index);
  const Planet* BodyAt(int index) const;
  ZodiacSign* SignAt(int index);
  const ZodiacSign* SignAt(int index) const;
  const Planet* Earth() const { return BodyAt(0); }
  int BodyCount() const { return static_cast<int>(bodies_.size()); }
  int SignCount() const { return static_cast<int>(signs_.size()); }

  double FieldOfView() const { return fieldOfView_; }
  double Aspect() const { return aspect_; }
  const Vec3& Camera() const { return camera_; }

  int tilt = kTiltStart;  // the tilt slider's position, kTiltMin..kTiltMax
  int heading = 0;        // degrees; the negated position of the heading slider
  int targetHeading = 0;  // where StepHeading moves heading to

 private:
  double fieldOfView_ = 30.0;  // vertical, degrees
  double aspect_ = 1.0;        // width / height
  Vec3 camera_;                // eye-space translation; only z is ever set
  std::vector<std::unique_ptr<Planet>> bodies_;
  std::vector<std::unique_ptr<ZodiacSign>> signs_;
};

}  // namespace astrivo
