// The rating arithmetic: aspect factors of the five bodies against the sign's centre, the
// latitude ratios, and the date terms of the birth date and the rated day.
#include "engine/horoscope_scoring.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "sky/sky_scene.h"

namespace astrivo {

namespace {

constexpr int kRatingBase = 50;       // every raw rating starts here
constexpr double kTermWeight = 25.0;  // weight of each planet term
constexpr int kTermModulus = 50;      // date terms are taken rem 50
constexpr int kFirstRatedBody = 1;    // bodies 1..5: the Sun, Mercury, Venus, Mars, Jupiter
constexpr int kRatedBodies = 5;

// The date terms' divisors, one pair per rating: (rated day, birth date).
constexpr int kLuckDayDivisor = 67;
constexpr int kLuckBirthDivisor = 15;
constexpr int kLoveDayDivisor = 57;
constexpr int kLoveBirthDivisor = 73;
constexpr int kMoneyDayDivisor = 41;
constexpr int kMoneyBirthDivisor = 23;

struct SignBoundary {
  int day;
  int month;
  int signIndex;  // the sign of the dates up to and including this day
};

// The last day of each sign within a year; after 21 December it is Capricorn again.
constexpr SignBoundary kSignBoundaries[] = {
    {20, 1, 11}, {18, 2, 0}, {20, 3, 1}, {19, 4, 2},  {20, 5, 3},  {20, 6, 4},
    {22, 7, 5},  {22, 8, 6}, {22, 9, 7}, {22, 10, 8}, {21, 11, 9}, {21, 12, 10},
};
constexpr int kSignAfterLastBoundary = 11;

// Conversion toward zero. The terms are small by construction; a non-finite value (from a
// non-finite day number) would be undefined to convert, so it counts as 0.
int Truncate(double value) { return std::isfinite(value) ? static_cast<int>(value) : 0; }

int PlanetTerm(double ratio, double aspect) { return Truncate(kTermWeight * (ratio + aspect)); }

}  // namespace

int SignForBirthDate(const CalendarDate& birth) {
  const DayNumber t = birth.GetDayNumber();
  for (const SignBoundary& boundary : kSignBoundaries) {
    if (t <= CalendarDate::DayNumberOf(boundary.day, boundary.month, birth.Year())) {
      return boundary.signIndex;
    }
  }
  return kSignAfterLastBoundary;
}

double AspectFactor(double difference) {
  const double a = std::fabs(difference);
  double d30 = std::fmod(a, 30.0);
  if (d30 > 15.0) d30 = 30.0 - d30;
  double d45 = std::fmod(a, 45.0);
  if (d45 > 22.5) d45 = 45.0 - d45;
  const double near30 = 1.0 - d30 * 0.06666666666666667;   // 1/15
  const double near45 = 1.0 - d45 * 0.044444444444444446;  // 1/22.5
  return near30 > near45 ? near30 : -near45;
}

double LatitudeRatio(double x, double y) {
  double r = x / (y == 0.0 ? 0.00001 : y);
  if (r > 1.0) r = 1.0 / r;
  if (r < -1.0) r = 1.0 / r;
  return r;
}

void ClampRating(int& rating) {
  if (rating > 100) rating = 100;
  if (rating < 0) rating = 0;
}

int DateTerm(const CalendarDate& date, int divisor) {
  // For P >= 0, (P div k) rem 50 equals (P mod 50k) div k, and truncating division is odd in
  // P; so the product is only ever needed modulo 50k, which each factor can be reduced to.
  if (divisor <= 0) return 0;
  const std::int64_t modulus = static_cast<std::int64_t>(kTermModulus) * divisor;
  const std::int64_t factors[] = {date.Year(), date.Month(), date.Day()};
  std::int64_t residue = 1;
  bool negative = false;
  for (const std::int64_t factor : factors) {
    if (factor == 0) return 0;
    negative = negative != (factor < 0);
    // Two residues below 50 * INT_MAX can exceed 64 bits when multiplied.
    const auto reduced = static_cast<std::uint64_t>(std::llabs(factor) % modulus);
    const unsigned __int128 wide = static_cast<unsigned __int128>(residue) * reduced;
    residue = static_cast<std::int64_t>(wide % static_cast<std::uint64_t>(modulus));
  }
  const int term = static_cast<int>(residue / divisor);
  return negative ? -term : term;
}

HoroscopeScores RateDay(const SkyScene& scene, int signIndex, const CalendarDate& birth,
                        const CalendarDate& rated) {
  const ZodiacSign* sign = scene.SignAt(signIndex);
  if (sign == nullptr) return {};
  const double signLongitude = sign->Component(1);
  const double signLatitude = sign->Component(2);

  // Index k - 1 holds body k: 0 the Sun, 1 Mercury, 2 Venus, 3 Mars, 4 Jupiter.
  std::array<double, kRatedBodies> aspect{};
  std::array<double, kRatedBodies> ratio{};
  for (int k = 0; k < kRatedBodies; ++k) {
    const Planet* body = scene.BodyAt(kFirstRatedBody + k);
    if (body == nullptr) return {};
    double longitude = 0.0;
    double latitude = 0.0;
    body->LongitudeLatitude(longitude, latitude);
    // The Sun's difference runs the other way round; AspectFactor ignores the sign anyway.
    aspect[k] = AspectFactor(k == 0 ? longitude - signLongitude : signLongitude - longitude);
    ratio[k] = LatitudeRatio(signLatitude, latitude);
  }
  const int sun = Truncate(kTermWeight * aspect[0]);
  const int mercury = PlanetTerm(ratio[1], aspect[1]);
  const int venus = PlanetTerm(ratio[2], aspect[2]);
  const int mars = PlanetTerm(ratio[3], aspect[3]);
  const int jupiter = PlanetTerm(ratio[4], aspect[4]);

  // The birth terms take Q = -(birth product); truncation is odd, so that is -DateTerm.
  HoroscopeScores scores;
  scores.luck = kRatingBase + DateTerm(rated, kLuckDayDivisor) -
                DateTerm(birth, kLuckBirthDivisor) + mercury + jupiter + sun;
  scores.love = kRatingBase + DateTerm(rated, kLoveDayDivisor) -
                DateTerm(birth, kLoveBirthDivisor) + mercury + venus;
  scores.money = kRatingBase + DateTerm(rated, kMoneyDayDivisor) -
                 DateTerm(birth, kMoneyBirthDivisor) + mercury + mars;
  ClampRating(scores.luck);
  ClampRating(scores.love);
  ClampRating(scores.money);
  return scores;
}

HoroscopeScores RatePeriod(SkyScene& scene, int signIndex, const CalendarDate& birth,
                           const CalendarDate& first, const CalendarDate& last) {
  const std::int64_t days = last.GetDayNumber() - first.GetDayNumber() + 1;
  if (days <= 0) return {};
  if (scene.SignAt(signIndex) == nullptr ||
      scene.BodyAt(kFirstRatedBody + kRatedBodies - 1) == nullptr) {
    return {};
  }

  std::int64_t luck = 0;
  std::int64_t love = 0;
  std::int64_t money = 0;
  CalendarDate day(first);
  for (std::int64_t i = 0; i < days; ++i) {
    scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
    const HoroscopeScores scores = RateDay(scene, signIndex, birth, day);
    luck += scores.luck;
    love += scores.love;
    money += scores.money;
    day.NextDay();
  }
  // Each daily value lies in 0..100, so the averages do too and fit an int.
  return HoroscopeScores{static_cast<int>(luck / days), static_cast<int>(love / days),
                         static_cast<int>(money / days)};
}

}  // namespace astrivo
