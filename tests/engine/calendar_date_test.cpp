// CalendarDate and the period rule: day numbers, weekdays, stepping, the month table, the
// clock seam, no overflow for any triple of ints, and the days each period choice rates.
#include "engine/calendar_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "engine/period.h"
#include "fixed_today.h"

namespace astrivo {
namespace {

TEST(CalendarDateTest, NextAndPreviousDayWalk1901To2099OneNumberAtATime) {
  // 1 January 1901 is day -36158 and 31 December 2099 day 36525 (the calendar design's
  // reference days); every step between them adds exactly one.
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

TEST(CalendarDateTest, SteppingOutsideTheWalkedRange) {
  // Every day of 1901..2099 is stepped above, and week and month spans are in the period
  // table below; these are the steps beyond them.
  enum Step { kNext, kPrevious, kSubtract4, kMonthEnd };
  const struct {
    Step step;
    int day, month, year, toDay, toMonth, toYear;
  } cases[] = {
      {kSubtract4, 30, 6, 2004, 29, 2, 2004},
      {kSubtract4, 15, 2, 2004, 15, 10, 2003},
      {kSubtract4, 31, 7, 2004, 31, 3, 2004},
      {kSubtract4, 10, 1, 2005, 10, 9, 2004},
      {kSubtract4, 31, 3, 2001, 30, 11, 2000},
      {kMonthEnd, 3, 2, 1900, 28, 2, 1900},
      {kMonthEnd, 3, 2, -100, 28, 2, -100},
      {kMonthEnd, 3, 2, INT_MIN, 29, 2, INT_MIN},
      {kMonthEnd, 3, 13, 2001, 0, 13, 2001},
      {kNext, INT_MAX, 5, 2004, 1, 6, 2004},
      // At the edges of the int range a step saturates instead of overflowing.
      {kNext, 31, 12, INT_MAX, 1, 1, INT_MAX},
      {kPrevious, 1, 1, INT_MIN, 31, 12, INT_MIN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "step " << c.step << " from " << c.day << "." << c.month << "." << c.year);
    CalendarDate date(c.day, c.month, c.year);
    switch (c.step) {
      case kNext:
        date.NextDay();
        break;
      case kPrevious:
        date.PreviousDay();
        break;
      case kSubtract4:
        date.SubtractMonths(4);
        break;
      case kMonthEnd:
        date.ToMonthEnd();
        break;
    }
    EXPECT_EQ(date.Day(), c.toDay);
    EXPECT_EQ(date.Month(), c.toMonth);
    EXPECT_EQ(date.Year(), c.toYear);
    EXPECT_EQ(date.GetDayNumber(), CalendarDate::DayNumberOf(c.toDay, c.toMonth, c.toYear));
  }
}

TEST(CalendarDateTest, DayNumbersAndWeekdays) {
  // The calendar design's reference dates, weekdays (1 Monday .. 7 Sunday) from a printed
  // calendar; then extreme triples, whose day number and product day * month * year come from
  // exact integer arithmetic (Python, truncating division), the product saturated to 64 bits.
  const struct {
    int day, month, year;
    DayNumber dayNumber;
    int dayOfWeek;
  } cases[] = {
      {1, 1, 2000, 1, 6},
      {31, 12, 1999, 0, 5},
      {26, 12, 1999, -5, 7},
      {31, 12, 2099, 36525, 4},
      {1, 1, 1901, -36158, 2},
      {16, 6, 2004, 1629, 3},
      {INT_MAX, INT_MAX, INT_MAX, 851819536365, 5},
      {INT_MIN, INT_MIN, INT_MIN, -851820997826, 4},
      {INT_MIN, 12, INT_MAX, 782220188253, 5},
      {INT_MAX, -1, INT_MIN, -782221649345, 2},
      {-1, 1, INT_MIN + 1, -784369132568, 5},
      {0, 0, 0, -730530, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << " " << c.month << " " << c.year);
    CalendarDate date(c.day, c.month, c.year);
    EXPECT_EQ(date.GetDayNumber(), c.dayNumber);
    EXPECT_EQ(date.DayOfWeek(), c.dayOfWeek);
    // Under the sanitizer build these steps catch any signed overflow.
    date.NextDay();
    date.PreviousDay();
    date.SubtractMonths(12);
    date.SubtractMonths(-12);
    date.ToWeekStart();
    date.ToWeekEnd();
    date.ToMonthEnd();
    EXPECT_EQ(date.GetDayNumber(),
              CalendarDate::DayNumberOf(date.Day(), date.Month(), date.Year()));
  }
  // The formula counts 1900 and 2100 as leap years: the day number jumps by 2 at their March.
  EXPECT_EQ(CalendarDate::DayNumberOf(1, 3, 1900) - CalendarDate::DayNumberOf(28, 2, 1900), 2);
  EXPECT_EQ(CalendarDate::DayNumberOf(1, 3, 2100) - CalendarDate::DayNumberOf(28, 2, 2100), 2);
}

TEST(CalendarDateTest, TodayComesFromTheClockItIsHanded) {
  const FixedToday fixed({29, 2, 2004});  // day 1521: 1461 days of 2000-2003, 31 + 29 of 2004
  CalendarDate date(5, 5, 1905);
  date.SetToday(kTestClock);
  EXPECT_EQ(date.GetDayNumber(), 1521);
  EXPECT_EQ(CalendarDate(kTestClock).GetDayNumber(), 1521);
  EXPECT_GE(CalendarDate().Year(), 2024);  // the default is the system's clock
}

TEST(PeriodTest, SpansForEachChoice) {
  const struct {
    const char* name;
    Period period;
    CalendarDate today, first, last;
  } cases[] = {
      {"today", Period::kToday, {16, 6, 2004}, {16, 6, 2004}, {16, 6, 2004}},
      {"tomorrow across a year", Period::kTomorrow, {31, 12, 2003}, {1, 1, 2004}, {1, 1, 2004}},
      {"week of a Wednesday", Period::kThisWeek, {16, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Sunday", Period::kThisWeek, {20, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Monday", Period::kThisWeek, {14, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week across a year", Period::kThisWeek, {1, 1, 2000}, {27, 12, 1999}, {2, 1, 2000}},
      {"leap February", Period::kThisMonth, {10, 2, 2004}, {1, 2, 2004}, {29, 2, 2004}},
      {"common February", Period::kThisMonth, {28, 2, 2003}, {1, 2, 2003}, {28, 2, 2003}},
      {"December", Period::kThisMonth, {31, 12, 2099}, {1, 12, 2099}, {31, 12, 2099}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DateSpan span = SpanOfPeriod(c.period, c.today);
    EXPECT_EQ(span.first.GetDayNumber(), c.first.GetDayNumber());
    EXPECT_EQ(span.last.GetDayNumber(), c.last.GetDayNumber());
    EXPECT_EQ(span.first.Day(), c.first.Day());  // the fields, not only the day number
    EXPECT_EQ(span.last.Day(), c.last.Day());
  }
}

}  // namespace
}  // namespace astrivo
