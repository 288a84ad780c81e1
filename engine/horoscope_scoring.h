// The rating rules: the sign of a birth date, and Luck, Love and Money (0..100) for a day
// or a span of days, from the scene's bodies and the dates.
#pragma once

#include "engine/calendar_date.h"

namespace astrivo {

class SkyScene;

struct HoroscopeScores {
  int luck = 0;
  int love = 0;
  int money = 0;
};

// Sign index 0..11 (0 Aquarius .. 11 Capricorn).
int SignForBirthDate(const CalendarDate& birth);

// Harmony of an angular distance in degrees: +1 at multiples of 30, -1 at multiples of 45.
double AspectFactor(double difference);
// x / y folded into -1..1; a zero y divides by 0.00001 instead.
double LatitudeRatio(double x, double y);
void ClampRating(int& rating);

// Rates one day from the bodies where they stand now; the scene is not changed. Needs a
// built scene and a sign index in 0..11.
HoroscopeScores RateDay(const SkyScene& scene, int signIndex, const CalendarDate& birth,
                        const CalendarDate& rated);
// Moves the bodies to each day from first to last and averages the daily ratings (floor).
// An empty span (last before first) rates nothing and gives 0, 0, 0. The planets' trails
// keep the points the loop laid down; callers clear them.
HoroscopeScores RatePeriod(SkyScene& scene, int signIndex, const CalendarDate& birth,
                           const CalendarDate& first, const CalendarDate& last);

}  // namespace astrivo
