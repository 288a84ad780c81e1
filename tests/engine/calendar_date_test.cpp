// CalendarDate and the period rule: day numbers, stepping across months and years, no
// overflow at the int range's edges, and the days each period choice rates.
#include "engine/calendar_date.h"

#include <gtest/gtest.h>

#include <climits>

#include "engine/period.h"

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

}  // namespace
}  // namespace astrivo
