// CalendarDate: day numbers, stepping, the month table and freedom from overflow at the
// edges of the int range.
#include "engine/calendar_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "engine/local_clock.h"

namespace astrivo {
namespace {

struct DayNumberCase {
  int day, month, year;
  DayNumber dayNumber;
  int dayOfWeek;  // 1 Monday .. 7 Sunday
};

TEST(CalendarDateTest, DayNumbersAndWeekdays) {
  // The calendar design's reference dates; weekdays checked against a printed calendar.
  const DayNumberCase cases[] = {
      {1, 1, 2000, 1, 6},        {31, 12, 1999, 0, 5},     {26, 12, 1999, -5, 7},
      {31, 12, 2099, 36525, 4},  {1, 1, 1901, -36158, 2},  {16, 6, 2004, 1629, 3},
  };
  for (const DayNumberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
    const CalendarDate date(c.day, c.month, c.year);
    EXPECT_EQ(date.GetDayNumber(), c.dayNumber);
    EXPECT_EQ(date.DayOfWeek(), c.dayOfWeek);
  }
  // The formula counts 1900 and 2100 as leap years: the day number jumps by 2 at their March.
  EXPECT_EQ(CalendarDate::DayNumberOf(1, 3, 1900) - CalendarDate::DayNumberOf(28, 2, 1900), 2);
  EXPECT_EQ(CalendarDate::DayNumberOf(1, 3, 2100) - CalendarDate::DayNumberOf(28, 2, 2100), 2);
}

TEST(CalendarDateTest, ConsecutiveAndAs32BitFrom1901To2099) {
  CalendarDate date(1, 1, 1901);
  DayNumber previous = date.GetDayNumber() - 1;
  while (date.Year() < 2100) {
    // The formula as 32-bit ints, which 64-bit day numbers must reproduce in this range.
    const int y = date.Year();
    const int m = date.Month();
    const int narrow = 367 * y - (7 * (y + (m + 9) / 12)) / 4 + (275 * m) / 9 + date.Day() - 730530;
    ASSERT_EQ(date.GetDayNumber(), narrow);
    ASSERT_EQ(date.GetDayNumber(), previous + 1);
    ASSERT_EQ(date.DayOfWeek(), (previous + 1 + 4 + 7 * 100000) % 7 + 1);
    previous = date.GetDayNumber();
    CalendarDate back(date);
    date.NextDay();
    CalendarDate forth(date);
    forth.PreviousDay();
    ASSERT_EQ(forth.GetDayNumber(), back.GetDayNumber());
  }
  EXPECT_EQ(previous, 36525);
}

enum class Step { kNext, kPrevious, kSubtract4, kWeekStart, kWeekEnd, kMonthStart, kMonthEnd };

struct StepCase {
  Step step;
  int day, month, year;
  int expectedDay, expectedMonth, expectedYear;
};

TEST(CalendarDateTest, Stepping) {
  const StepCase cases[] = {
      {Step::kNext, 28, 2, 2004, 29, 2, 2004},       {Step::kNext, 29, 2, 2004, 1, 3, 2004},
      {Step::kNext, 31, 12, 2003, 1, 1, 2004},       {Step::kNext, 45, 1, 2004, 1, 2, 2004},
      {Step::kPrevious, 1, 3, 2003, 28, 2, 2003},    {Step::kPrevious, 1, 1, 2004, 31, 12, 2003},
      {Step::kSubtract4, 30, 6, 2004, 29, 2, 2004},  {Step::kSubtract4, 15, 2, 2004, 15, 10, 2003},
      {Step::kSubtract4, 31, 7, 2004, 31, 3, 2004},  {Step::kWeekStart, 16, 6, 2004, 14, 6, 2004},
      {Step::kWeekEnd, 16, 6, 2004, 20, 6, 2004},    {Step::kWeekStart, 14, 6, 2004, 14, 6, 2004},
      {Step::kWeekEnd, 20, 6, 2004, 20, 6, 2004},    {Step::kWeekStart, 2, 1, 2000, 27, 12, 1999},
      {Step::kMonthStart, 17, 2, 2000, 1, 2, 2000},  {Step::kMonthEnd, 3, 2, 2000, 29, 2, 2000},
      {Step::kMonthEnd, 3, 2, 1900, 28, 2, 1900},    {Step::kMonthEnd, 3, 4, 2001, 30, 4, 2001},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(c.step) << " from " << c.day
                                    << "." << c.month << "." << c.year);
    CalendarDate date(c.day, c.month, c.year);
    switch (c.step) {
      case Step::kNext: date.NextDay(); break;
      case Step::kPrevious: date.PreviousDay(); break;
      case Step::kSubtract4: date.SubtractMonths(4); break;
      case Step::kWeekStart: date.ToWeekStart(); break;
      case Step::kWeekEnd: date.ToWeekEnd(); break;
      case Step::kMonthStart: date.ToMonthStart(); break;
      case Step::kMonthEnd: date.ToMonthEnd(); break;
    }
    EXPECT_EQ(date.Day(), c.expectedDay);
    EXPECT_EQ(date.Month(), c.expectedMonth);
    EXPECT_EQ(date.Year(), c.expectedYear);
    EXPECT_EQ(date.GetDayNumber(),
              CalendarDate::DayNumberOf(c.expectedDay, c.expectedMonth, c.expectedYear));
  }
}

TEST(CalendarDateTest, LeapYearsAndMonthLengths) {
  const std::pair<int, bool> years[] = {{2000, true}, {1900, false}, {2004, true}, {2003, false},
                                        {-4, true},   {-100, false}, {-400, true}, {INT_MIN, true}};
  for (const auto& [year, leap] : years) {
    SCOPED_TRACE(year);
    const CalendarDate date(1, 1, year);
    EXPECT_EQ(date.IsLeapYear(), leap);
    EXPECT_EQ(date.DaysInMonth(2), leap ? 29 : 28);
  }
  const CalendarDate date(1, 1, 2001);
  EXPECT_EQ(date.DaysInMonth(0), 0);
  EXPECT_EQ(date.DaysInMonth(13), 0);
  EXPECT_EQ(date.DaysInMonth(4), 30);
  EXPECT_EQ(date.DaysInMonth(12), 31);
}

// The day-number formula in 128 bits, as a reference no int triple can overflow.
__int128 WideDayNumber(__int128 day, __int128 month, __int128 year) {
  return 367 * year - (7 * (year + (month + 9) / 12)) / 4 + (275 * month) / 9 + day - 730530;
}

TEST(CalendarDateTest, ExtremeTriplesAreExactAndStepWithoutOverflow) {
  const int extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 12, INT_MAX - 1, INT_MAX};
  for (int day : extremes) {
    for (int month : extremes) {
      for (int year : extremes) {
        SCOPED_TRACE(testing::Message() << day << " " << month << " " << year);
        CalendarDate date(day, month, year);
        ASSERT_TRUE(date.GetDayNumber() == WideDayNumber(day, month, year));
        ASSERT_GE(date.DayOfWeek(), 1);
        ASSERT_LE(date.DayOfWeek(), 7);
        const __int128 product = static_cast<__int128>(day) * month * year;
        const std::int64_t product64 = date.DateProduct();
        if (product > INT64_MAX) ASSERT_EQ(product64, INT64_MAX);
        else if (product < INT64_MIN) ASSERT_EQ(product64, INT64_MIN);
        else ASSERT_TRUE(product64 == product);
        // Under the sanitizer build these catch any signed overflow.
        date.NextDay();
        date.PreviousDay();
        date.SubtractMonths(12);
        date.SubtractMonths(-12);
        date.ToWeekStart();
        date.ToWeekEnd();
        date.ToMonthEnd();
        ASSERT_TRUE(date.GetDayNumber() == WideDayNumber(date.Day(), date.Month(), date.Year()));
      }
    }
  }
}

TEST(CalendarDateTest, StepsSaturateAtTheIntRange) {
  CalendarDate last(31, 12, INT_MAX);
  last.NextDay();
  EXPECT_EQ(last.Day(), 1);
  EXPECT_EQ(last.Month(), 1);
  EXPECT_EQ(last.Year(), INT_MAX);

  CalendarDate first(1, 1, INT_MIN);
  first.PreviousDay();
  EXPECT_EQ(first.Day(), 31);
  EXPECT_EQ(first.Month(), 12);
  EXPECT_EQ(first.Year(), INT_MIN);

  CalendarDate hugeDay(INT_MAX, 5, 2004);
  hugeDay.NextDay();  // past the month's end: the first of the next month
  EXPECT_EQ(hugeDay.Day(), 1);
  EXPECT_EQ(hugeDay.Month(), 6);

  CalendarDate hugeMonth(1, INT_MAX, 2004);
  hugeMonth.SubtractMonths(-12);
  EXPECT_EQ(hugeMonth.Month(), INT_MAX);
}

TEST(CalendarDateTest, TodayComesThroughTheClockSeam) {
  {
    const FixedToday outer({29, 2, 2004});
    EXPECT_EQ(CalendarDate().GetDayNumber(), CalendarDate(29, 2, 2004).GetDayNumber());
    {
      const FixedToday inner({1, 1, 2000});
      CalendarDate date(5, 5, 1905);
      date.SetToday();
      EXPECT_EQ(date.GetDayNumber(), 1);
    }
    EXPECT_EQ(CalendarDate().Day(), 29);
  }
  const LocalDate clock = LocalToday();
  EXPECT_GE(clock.year, 2024);  // the real local clock once no FixedToday lives
  EXPECT_GE(clock.month, 1);
  EXPECT_LE(clock.month, 12);
}

}  // namespace
}  // namespace astrivo
