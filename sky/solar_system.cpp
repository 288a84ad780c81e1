// The six bodies of the scene with their mean orbital elements (epoch: day 0, 31 December 1999).
#include "sky/solar_system.h"

#include <iterator>
#include <string_view>

namespace astrivo {

namespace {

enum class Kind { kPlanet, kSun };

constexpr std::string_view kEarthName = "EARTH";  // the reference body of the four planets

// clang-format off
struct BodyRow {
  Kind kind;
  const char* name;       // "" for the Sun
  bool seenFromEarth;     // true: EARTH is the reference body
  double radius;          // drawn sphere radius, scene units
  BodyColor color;      // red, green, blue, 0..1
  OrbitalElements elements;
};
// clang-format on

// Elements, each as {value at day 0, change per day} except a:
//   N node (deg), i inclination (deg), w argument of perihelion (deg), a semi-major axis (AU),
//   e eccentricity, M mean anomaly (deg).
// clang-format off
constexpr BodyRow kBodies[] = {
    // kind,         name,      earth, radius, colour,             N,                       i,                    w,                        a,        e,                       M
    {Kind::kPlanet, "EARTH",   false, 0.15, {0.0f, 1.0f, 1.0f}, {{0.0, 0.0},             {0.0, 0.0},           {282.9404, 4.70935e-5},   1.0,      {0.016709, -1.151e-9},   {176.047, 0.9856002585}}},
    {Kind::kSun,    "",        false, 0.25, {1.0f, 0.5f, 0.0f}, {{0.0, 0.0},             {0.0, 0.0},           {0.0, 0.0},               0.0,      {0.0, 0.0},              {0.0, 0.0}}},
    {Kind::kPlanet, "MERCURY", true,  0.1,  {0.8f, 0.8f, 1.0f}, {{48.3313, 3.24587e-5},  {7.0047, 5e-8},       {29.1241, 1.01444e-5},    0.387098, {0.205635, 5.59e-10},    {168.6562, 4.0923344368}}},
    {Kind::kPlanet, "VENUS",   true,  0.15, {0.0f, 1.0f, 0.0f}, {{76.6799, 2.4659e-5},   {3.3946, 2.75e-8},    {54.891, 1.38374e-5},     0.72333,  {0.006773, -1.302e-9},   {48.0052, 1.6021302244}}},
    {Kind::kPlanet, "MARS",    true,  0.1,  {1.0f, 0.0f, 0.0f}, {{49.5574, 2.11081e-5},  {1.8497, -1.78e-8},   {286.5016, 2.92961e-5},   1.523688, {0.093405, 2.516e-9},    {18.6021, 0.5240207766}}},
    {Kind::kPlanet, "JUPITER", true,  0.2,  {0.0f, 0.5f, 1.0f}, {{100.4542, 2.76854e-5}, {1.303, -1.557e-7},   {273.8777, 1.64505e-5},   5.20256,  {0.048498, 4.469e-9},    {19.895, 0.0830853001}}},
};
// clang-format on

}  // namespace

void BuildSolarSystem(std::vector<std::unique_ptr<Planet>>& bodies) {
  bodies.reserve(bodies.size() + std::size(kBodies));
  const Planet* earth = nullptr;
  for (const BodyRow& row : kBodies) {
    std::unique_ptr<Planet> body;
    if (row.kind == Kind::kSun) {
      body = std::make_unique<Sun>();
    } else {
      body = std::make_unique<Planet>(row.seenFromEarth ? earth : nullptr, row.name, 0);
    }
    body->radius = row.radius;
    body->color = row.color;
    body->elements = row.elements;
    if (std::string_view(row.name) == kEarthName) earth = body.get();
    bodies.push_back(std::move(body));
  }
}

}  // namespace astrivo
