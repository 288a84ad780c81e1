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
// (year * month * day div divisor) rem 50 of a date, truncating toward zero, so -49..49; exact
// for any triple of ints, however large the product. A divisor below 1 gives 0.
int DateTerm(const CalendarDate& date, int divisor);

// Rates one day from the bodies where they stand now; the scene is not changed. A scene
// without six bodies or without a sign at signIndex rates 0, 0, 0.
HoroscopeScores RateDay(const SkyScene& scene, int signIndex, const CalendarDate& birth,
                        const CalendarDate& rated);
// Moves the bodies to each day from first to last and averages the daily ratings (floor).
// An empty span (last before first) rates nothing and gives 0, 0, 0, as does a scene that
// RateDay cannot rate (the bodies are then not moved). The planets' trails
// keep the points the loop laid down; callers clear them.
HoroscopeScores RatePeriod(SkyScene& scene, int signIndex, const CalendarDate& birth,
                           const CalendarDate& first, const CalendarDate& last);

}  // namespace astrivo
