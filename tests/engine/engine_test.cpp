// The engine against values worked out without it: CalendarDate's day numbers and steps
// across months and years, the days each period choice rates, and the rating rules (aspect
// and latitude factors, date terms, sign boundaries, whole periods over the moving sky).
#include <gtest/gtest.h>

#include <climits>

#include "engine/calendar_date.h"
#include "engine/horoscope_scoring.h"
#include "engine/period.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

TEST(CalendarDateTest, NextAndPreviousDayWalk1901To2099OneNumberAtATime) {
  // 1 January 1901 is day -36158 and 31 December 2099 day 36525 (worked by hand from the day
  // number formula); every step between them, 29 February 2000 included, adds exactly one.
  DayNumber previous = -36159;
  for (CalendarDate date(1, 1, 1901); date.Year() < 2100; date.NextDay()) {
    ASSERT_EQ(date.GetDayNumber(), previous + 1);
    CalendarDate back(date);
    back.PreviousDay();
    ASSERT_EQ(back.GetDayNumber(), previous);
    previous = date.GetDayNumber();
  }
  EXPECT_EQ(previous, 36525);
}

TEST(CalendarDateTest, StepsAcrossMonthsAndYears) {
  enum Step { kNext, kPrevious, kSubtract4, kMonthEnd };
  const struct {
    Step step;
    CalendarDate from, to;
  } cases[] = {
      // clang-format off
      {kSubtract4, {30, 6, 2004}, {29, 2, 2004}},  {kSubtract4, {15, 2, 2004}, {15, 10, 2003}},
      {kSubtract4, {10, 1, 2005}, {10, 9, 2004}},  {kSubtract4, {31, 3, 2001}, {30, 11, 2000}},
      {kSubtract4, {31, 7, 2004}, {31, 3, 2004}},  {kMonthEnd, {3, 2, 2000}, {29, 2, 2000}},
      {kMonthEnd, {3, 2, 1900}, {28, 2, 1900}},    {kMonthEnd, {3, 2, 2100}, {28, 2, 2100}},
      {kNext, {28, 2, 2100}, {1, 3, 2100}},        {kPrevious, {1, 3, 2000}, {29, 2, 2000}},
      {kNext, {31, 12, 2099}, {1, 1, 2100}},       {kPrevious, {1, 1, 1901}, {31, 12, 1900}},
      // May less four months is January of the same year, no wrap.
      {kSubtract4, {31, 5, 2004}, {31, 1, 2004}},
      // At the edges of the int range a step saturates instead of overflowing (the sanitizer
      // build catches any signed overflow).
      {kNext, {31, 12, INT_MAX}, {1, 1, INT_MAX}}, {kPrevious, {1, 1, INT_MIN}, {31, 12, INT_MIN}},
      {kSubtract4, {1, 1, INT_MIN}, {1, 9, INT_MIN}}, {kMonthEnd, {1, 2, INT_MIN}, {29, 2, INT_MIN}},
      // clang-format on
  };
  for (const auto& c : cases) {
    CalendarDate date(c.from);
    if (c.step == kNext) date.NextDay();
    if (c.step == kPrevious) date.PreviousDay();
    if (c.step == kSubtract4) date.SubtractMonths(4);
    if (c.step == kMonthEnd) date.ToMonthEnd();
    EXPECT_EQ(date.GetDayNumber(), c.to.GetDayNumber())
        << "step " << c.step << " from day " << c.from.GetDayNumber();
    EXPECT_EQ(date.Day(), c.to.Day()) << "step " << c.step << " from " << c.from.GetDayNumber();
  }
}

TEST(PeriodTest, SpansForEachChoice) {
  const struct {
    const char* name;
    Period period;
    CalendarDate today, first, last;
  } cases[] = {
      // clang-format off
      {"today", Period::kToday, {16, 6, 2004}, {16, 6, 2004}, {16, 6, 2004}},
      {"tomorrow across a year", Period::kTomorrow, {31, 12, 2003}, {1, 1, 2004}, {1, 1, 2004}},
      {"week of a Wednesday", Period::kThisWeek, {16, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Sunday", Period::kThisWeek, {20, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Monday", Period::kThisWeek, {14, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week across a year", Period::kThisWeek, {1, 1, 2000}, {27, 12, 1999}, {2, 1, 2000}},
      {"leap February", Period::kThisMonth, {10, 2, 2004}, {1, 2, 2004}, {29, 2, 2004}},
      {"December", Period::kThisMonth, {31, 12, 2099}, {1, 12, 2099}, {31, 12, 2099}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DateSpan span = SpanOfPeriod(c.period, c.today);
    EXPECT_EQ(span.first.GetDayNumber(), c.first.GetDayNumber());
    EXPECT_EQ(span.last.GetDayNumber(), c.last.GetDayNumber());
    EXPECT_EQ(span.last.Day(), c.last.Day());  // the fields, not only the day number
  }
}

TEST(HoroscopeScoringTest, FactorsAndTermsAtTheirEdges) {
  // Aspect values worked by hand from the rating rule, to four places. At 0 and 90
  // degrees the two closenesses tie, and a tie counts as discord.
  // clang-format off
  const std::pair<double, double> aspects[] = {
      {0, -1}, {7.5, -0.6667}, {22.5, 0.5}, {90, -1}, {-30, 1}, {200, 0.3333}};
  // clang-format on
  for (const auto& [difference, factor] : aspects) {
    EXPECT_NEAR(AspectFactor(difference), factor, 5e-5) << difference;
  }
  EXPECT_DOUBLE_EQ(LatitudeRatio(-4, 2), -0.5);  // folded into -1..1
  // A product beyond 64 bits, in exact integer arithmetic (Python, truncating division).
  EXPECT_EQ(DateTerm(CalendarDate(INT_MIN, INT_MAX, INT_MAX), 23), -40);
}

TEST(HoroscopeScoringTest, SignBoundariesOnBothSides) {
  // Each left-hand date of a pair is the last day of its sign (0 Aquarius .. 11 Capricorn).
  const struct {
    int day, month, year, sign;
  } cases[] = {
      {20, 1, 2004, 11}, {21, 1, 2004, 0},   {18, 2, 2004, 0},   {19, 2, 2004, 1},
      {20, 3, 2003, 1},  {21, 3, 2003, 2},   {19, 4, 1950, 2},   {20, 4, 1950, 3},
      {20, 5, 1950, 3},  {21, 5, 1950, 4},   {20, 6, 1980, 4},   {21, 6, 1980, 5},
      {22, 7, 2099, 5},  {23, 7, 2099, 6},   {22, 8, 1901, 6},   {23, 8, 1901, 7},
      {22, 9, 1901, 7},  {23, 9, 1901, 8},   {22, 10, 2000, 8},  {23, 10, 2000, 9},
      {21, 11, 2000, 9}, {22, 11, 2000, 10}, {21, 12, 2004, 10}, {22, 12, 2004, 11},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SignForBirthDate(CalendarDate(c.day, c.month, c.year)), c.sign)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(RatePeriodTest, MatchesTheIndependentReference) {
  // Expected values from `tools/reference/sky_reference.py rate D M Y D M Y D M Y`, a separate
  // model of the orbits, the catalogue and the rating rules that shares no code with the
  // engine. Leaving out any one planet's term (or the Sun's) of any rating changes most rows.
  // Rows: a single day, a week, sign boundaries over a leap February, 29 February of 2000,
  // ratings clamped at 100 and at 0, and the first and last supported years.
  const struct {
    CalendarDate birth, first, last;
    int sign, luck, love, money;
  } cases[] = {
      // clang-format off
      {{15, 6, 1980}, {16, 6, 2004}, {16, 6, 2004}, 4, 48, 52, 81},
      {{15, 6, 1980}, {14, 6, 2004}, {20, 6, 2004}, 4, 24, 23, 41},
      {{20, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 11, 16, 21, 36},
      {{21, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 0, 23, 29, 22},
      {{18, 2, 1975}, {29, 2, 2000}, {29, 2, 2000}, 0, 67, 76, 56},
      {{19, 2, 1975}, {1, 3, 2000}, {1, 3, 2000}, 1, 100, 27, 100},
      {{29, 2, 1996}, {1, 12, 2026}, {31, 12, 2026}, 1, 60, 32, 37},
      {{21, 12, 1969}, {7, 12, 2026}, {7, 12, 2026}, 10, 53, 0, 0},
      {{1, 1, 1901}, {1, 1, 1901}, {1, 1, 1901}, 11, 11, 59, 51},
      {{31, 12, 2099}, {25, 12, 2099}, {31, 12, 2099}, 11, 63, 21, 30},
      // clang-format on
  };
  SkyScene scene;
  scene.Build();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "born on day " << c.birth.GetDayNumber() << ", from day "
                                    << c.first.GetDayNumber() << " to " << c.last.GetDayNumber());
    const int sign = SignForBirthDate(c.birth);
    EXPECT_EQ(sign, c.sign);
    const HoroscopeScores s = RatePeriod(scene, sign, c.birth, c.first, c.last);
    EXPECT_EQ(s.luck, c.luck);
    EXPECT_EQ(s.love, c.love);
    EXPECT_EQ(s.money, c.money);
  }
  // Nothing to rate: an empty span, a scene without bodies.
  SkyScene unbuilt;
  const CalendarDate day(16, 6, 2004);
  EXPECT_EQ(RatePeriod(scene, 4, day, day, CalendarDate(15, 6, 2004)).money, 0);
  EXPECT_EQ(RatePeriod(unbuilt, 4, day, day, day).money, 0);
}

}  // namespace
}  // namespace astrivo
