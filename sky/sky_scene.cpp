// SkyScene: owns the bodies and signs, moves the bodies to a day and turns the view heading.
#include "sky/sky_scene.h"

#include <cmath>

#include "sky/angles.h"
#include "sky/solar_system.h"
#include "sky/zodiac_catalogue.h"

namespace astrivo {

namespace {

constexpr int kHeadingStep = 2;  // degrees per StepHeading call

template <typename Item>
Item* ItemAt(const std::vector<std::unique_ptr<Item>>& items, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return nullptr;
  return items[static_cast<std::size_t>(index)].get();
}

}  // namespace

void SkyScene::Build() {
  // Building twice would otherwise leave two solar systems in the list; start afresh instead.
  bodies_.clear();
  signs_.clear();
  BuildSolarSystem(bodies_);
  BuildZodiac(signs_);
}

void SkyScene::UpdatePlanets(double dayNumber) {
  for (const auto& body : bodies_) body->UpdatePosition(dayNumber);
}

void SkyScene::ShowDay(std::int64_t dayNumber) { UpdatePlanets(static_cast<double>(dayNumber)); }

void SkyScene::ClearTrails() {
  for (const auto& body : bodies_) body->ClearTrail();
}

void SkyScene::SelectSign(int index) {
  const ZodiacSign* sign = SignAt(index);
  if (sign == nullptr) return;
  const double longitude = sign->Component(1);
  // A sign without stars has no centre; converting a non-finite value to int is undefined.
  if (!std::isfinite(longitude)) return;
  targetHeading = static_cast<int>(longitude);  // truncates toward zero: -0.4 gives 0
}

bool SkyScene::StepHeading() {
  // 64-bit: `heading` is a public int any caller may set, and a step from the edge of the int
  // range must not overflow.
  const long long current = heading;
  const long long target = targetHeading;
  if (current < target) {
    const long long next = current + kHeadingStep;
    if (next <= target) {
      heading = static_cast<int>(next);
      return true;
    }
  } else {
    const long long next = current - kHeadingStep;
    if (next >= target) {
      heading = static_cast<int>(next);
      return true;
    }
  }
  heading = targetHeading;
  return false;
}

void SkyScene::Resize(double aspect, double visibleHeight) {
  aspect_ = aspect;
  camera_.SetComponent(2,
                       -(visibleHeight * 0.5) / std::tan(fieldOfView_ * 0.5 * kDegreesToRadians));
}

Planet* SkyScene::BodyAt(int index) { return ItemAt(bodies_, index); }
const Planet* SkyScene::BodyAt(int index) const { return ItemAt(bodies_, index); }
ZodiacSign* SkyScene::SignAt(int index) { return ItemAt(signs_, index); }
const ZodiacSign* SkyScene::SignAt(int index) const { return ItemAt(signs_, index); }

}  // namespace astrivo
